// Hostile texts typed into every kind of number field: each is either taken
// as a number a project holds or refused with the field's own message.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "editor/model/CLayer.h"
#include "editor/ui/dialogs/ConductorIndexValue.h"
#include "editor/ui/dialogs/DialogNumbers.h"
#include "editor/ui/dialogs/EditorPageValues.h"
#include "editor/ui/dialogs/LayerPropertiesValues.h"
#include "editor/ui/dialogs/ProjectValues.h"
#include "editor/ui/dialogs/ViaValues.h"
#include "editor/ui/dxfimport/ImportDxfRows.h"

namespace quor {
namespace {

constexpr int kMil = 3;
constexpr double kMilFactor = 2.54;
constexpr std::array<const char*, 9> kTexts{"inf",         "-inf", "nan", "1e400", "1e308",
                                            "99999999999", "abc",  "",    "-1"};

// The message a text got, or "" when it was taken.
using Field = std::function<std::string(const char* text)>;

template <typename Failure>
std::string Said(const Failure& failure) {
  return failure ? std::string(failure->text) : std::string();
}

TEST(HostileNumbersTest, EachFieldTakesANumberItCanStoreOrSaysItsOwnMessage) {
  const std::string N = kEnterNumberText;
  const std::string G = kGreaterThanZeroText;
  const std::string P = kPositiveIntegerText;
  const std::string E = "Substrate relative permittivity is less or equal 0";
  const std::string Z = "Height is less than zero";
  const std::string F = "Please fill all fields";
  const std::string ok;

  const Field footprint = [](const char* text) {
    ProjectDialogValues values{false, 1000.0, 1000.0, "mil", kMilFactor};
    ProjectDialogTexts texts{{text, true}, {"1000", false}};
    return Said(AcceptProjectValues(values, texts));
  };
  const Field spacing = [](const char* text) {
    EditorPageValues values{kMil, 254.0, 2540.0, 2540.0, true};
    EditorPageTexts texts{{text, true}, {}, {}};
    return Said(LeaveEditorPage(values, texts));
  };
  const Field height = [](const char* text) {
    LayerDialogValues values{true, "Layer 1", 1.0, 10.0, kMil, true, false};
    return Said(AcceptLayerValues(values, {{text, true}, {"1", false}}));
  };
  const auto via = [](const char* x, const char* radius) {
    CLayer bottom(CDielectric(1.0, 0.0), "bottom", true, false);
    CLayer top(CDielectric(1.0, 10.0), "top", true, false);
    ViaDialogValues values{true, nullptr, "mil", kMilFactor, 1.0, 0.0, 0.0, &top, &bottom, false};
    ViaDialogTexts texts{{x, true}, {"0", true}, {radius, true}};
    return Said(AcceptViaValues(values, texts));
  };
  const Field viaX = [&via](const char* text) { return via(text, "1"); };
  const Field viaRadius = [&via](const char* text) { return via("0", text); };
  const Field index = [](const char* text) {
    int value = 0;
    return Said(AcceptConductorIndex(text, value));
  };
  const Field polygonIndex = [](const char* text) {
    int value = 0;
    return Said(ExchangeConductorIndex(text, 1058, value));
  };
  const auto importRow = [](const char* er, const char* z) {
    ImportDxfLayerValues values;
    return CheckImportDxfRows({{"gnd", "1", "0"}, {"top", er, z}}, kMil, values).value_or("");
  };
  const Field importZ = [&importRow](const char* text) { return importRow("1", text); };
  const Field importEr = [&importRow](const char* text) { return importRow(text, "1"); };

  const std::string I = kEnterIntegerText;
  struct Kind {
    const char* name;
    Field field;
    std::array<std::string, kTexts.size()> said;  // for each of kTexts
  };
  const Kind kinds[] = {
      {"footprint length", footprint, {G, G, G, G, G, ok, G, G, G}},
      {"grid spacing", spacing, {G, G, G, G, G, ok, G, G, G}},
      {"layer height", height, {N, N, N, N, N, ok, N, N, G}},
      {"via x", viaX, {N, N, N, N, N, ok, N, N, ok}},
      {"via radius", viaRadius, {N, N, N, N, N, ok, N, N, G}},
      // Read as atoi reads it: text without a number is 0, "1e400" is 1.
      {"conductor index", index, {ok, ok, ok, ok, ok, P, ok, ok, P}},
      {"polygon conductor index", polygonIndex, {I, I, I, I, I, I, I, I, P}},
      {"import z", importZ, {N, N, N, N, N, ok, N, F, Z}},
      {"import er", importEr, {E, E, E, E, ok, ok, E, F, E}},
  };
  for (const Kind& kind : kinds) {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
      EXPECT_EQ(kind.field(kTexts[i]), kind.said[i]) << kind.name << " \"" << kTexts[i] << "\"";
    }
  }
}

}  // namespace
}  // namespace quor
