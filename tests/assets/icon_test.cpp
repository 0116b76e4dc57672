// The desktop icon: an SVG that icon themes can draw at any size.
#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include "asset_paths.h"

namespace quelbrook::testing {
namespace {

TEST(Icon, IsASquareSvgOfColouredRectanglesInsideItsViewBox) {
  QFile file(QString::fromStdString(Icon().string()));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  ASSERT_TRUE(xml.readNextStartElement());
  ASSERT_EQ(xml.name(), QStringLiteral("svg"));
  EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
  const QStringList box = xml.attributes().value("viewBox").toString().split(' ');
  ASSERT_EQ(box.size(), 4);
  const int width = box[2].toInt(), height = box[3].toInt();
  EXPECT_EQ(width, height);
  EXPECT_GE(width, 16);

  int rectangles = 0;
  while (xml.readNextStartElement()) {
    EXPECT_EQ(xml.name(), QStringLiteral("rect"));
    const auto at = [&](const char* name) { return xml.attributes().value(name).toInt(); };
    EXPECT_TRUE(at("x") >= 0 && at("y") >= 0 && at("x") + at("width") <= width && at("y") + 1 <= height);
    EXPECT_EQ(xml.attributes().value("fill").size(), 7);
    ++rectangles;
    xml.skipCurrentElement();
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(rectangles, 50);
}

}  // namespace
}  // namespace quelbrook::testing
