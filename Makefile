# The two commands of the README. Both install what is missing first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
XVFB       := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: deps build build-asan test test-main test-asan run package clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

# The sanitizer build holds the tests that need no display.
build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUOR_SANITIZE=ON -DQUOR_WITH_GUI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-main: build
	GDK_BACKEND=x11 $(XVFB) ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-asan: build-asan
	ASAN_OPTIONS=detect_leaks=1 ctest --test-dir $(ASAN_BUILD) -LE gui -j $(JOBS) --output-on-failure

test: test-main test-asan

run: build
	@if [ -x $(BUILD)/bin/quor ]; then \
	  GDK_BACKEND=x11 $(BUILD)/bin/quor examples/microstrip.qlx; \
	else \
	  echo "The editor is not built yet: $(BUILD)/bin/quor does not exist."; \
	fi

# The Debian package, quor_VERSION_ARCH.deb in build/.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
