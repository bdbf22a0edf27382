#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <sstream>
#include <stdexcept>

#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"

namespace quor {
namespace {

std::string NewProjectText(const DocumentSettings& settings) {
  CStructure structure;
  structure.SetFootprint(2540, 2540);
  structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
  std::ostringstream out;
  structure.WriteText(out, settings);
  return out.str();
}

const char kNewProjectInMil[] =
    "1000\r\n1000\r\n\r\n1\r\n"
    "\r\nLayer 0\r\n128 128 255\r\n0\r\n1\r\n0\r\n0\r\n"
    "\r\n0\r\n4\r\n";

TEST(ModelTextTest, NewProjectInMilMatchesLineForLine) {
  EXPECT_EQ(NewProjectText(DocumentSettings{}), kNewProjectInMil);
}

// Switches the process to a locale with a decimal comma, as a GTK program
// runs, and back.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() : m_previous(std::setlocale(LC_ALL, nullptr)), m_global(std::locale()) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"}) {
      if (std::setlocale(LC_ALL, name) == nullptr) continue;
      try {
        std::locale::global(std::locale(name));
      } catch (const std::runtime_error&) {
        continue;
      }
      m_active = true;
      return;
    }
  }
  ~DecimalCommaLocale() {
    std::locale::global(m_global);
    std::setlocale(LC_ALL, m_previous.c_str());
  }
  bool Active() const { return m_active; }

 private:
  std::string m_previous;
  std::locale m_global;
  bool m_active = false;
};

TEST(ModelTextTest, DecimalCommaLocaleChangesNothing) {
  CStructure structure;
  structure.SetFootprint(1000.5, 2540);
  structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
  structure.AddLayer(CDielectric(4.4, 150), "Substrate 1", true, true);
  DocumentSettings mm;
  mm.Units = 0;
  std::ostringstream before;
  structure.WriteText(before, mm);

  const DecimalCommaLocale comma;
  if (!comma.Active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  std::ostringstream during;
  structure.WriteText(during, mm);
  EXPECT_EQ(during.str(), before.str());
  EXPECT_NE(during.str().find("10.005\r\n"), std::string::npos);
  EXPECT_EQ(NewProjectText(DocumentSettings{}), kNewProjectInMil);
}

TEST(ModelTextTest, PolygonsViasNumbersAndNames) {
  CStructure structure;
  structure.SetFootprint(1000, 1000);
  CLayer& ground = structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
  CLayer& top = structure.AddLayer(CDielectric(4.4, 25.4), "Top  side copper", false, true);
  auto polygon = std::make_unique<CConductorPolygon>();
  for (const Point3& p : {Point3(0, 0, 25.4), Point3(100.0 / 3, 0, 25.4), Point3(150, 150, 25.4)})
    polygon->AddNode(p);
  polygon->SetClosed(true);
  structure.AddNewShapeAtZ(25.4, std::move(polygon));
  structure.AddVia(std::make_unique<CVia>(2.54, 254, 508, &top, &ground, true));
  DocumentSettings mil;
  std::ostringstream mils;
  structure.WriteText(mils, mil);
  const std::string expected =
      "393.701\r\n393.701\r\n\r\n2\r\n"
      "\r\nLayer 0\r\n128 128 255\r\n0\r\n1\r\n0\r\n0\r\n"
      "\r\nTop  side copper\r\n255 128 255\r\n1\r\n0\r\n10\r\n1\r\n"
      "\r\n3\r\n1\r\n0 0 10\r\n13.1234 0 10\r\n59.0551 59.0551 10\r\n"
      "\r\n1\r\n4\r\n"
      "\r\n1\r\n100 200 0 10\r\n";
  EXPECT_EQ(mils.str(), expected);

  DocumentSettings mm;
  mm.Units = 0;
  structure.FindLayerByZ(25.4).SetZ(150);
  std::ostringstream millimetres;
  structure.WriteText(millimetres, mm);
  EXPECT_NE(millimetres.str().find("\r\n1.5\r\n1\r\n"), std::string::npos);  // height, then P
  EXPECT_NE(millimetres.str().find("\r\n0 0 1.5\r\n0.333333 0 1.5\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quor
