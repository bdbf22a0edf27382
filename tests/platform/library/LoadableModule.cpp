// A module for the loader's test: one export that answers a known number.
extern "C" __attribute__((visibility("default"))) int QuorLoadableAnswer() {
  return 42;
}
