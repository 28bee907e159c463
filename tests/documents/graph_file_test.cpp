#include "documents/graph_file.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace std::string_view_literals;

namespace {

constexpr std::array<float, 6> kDefaultView = {-10, 10, -9, 9, 1, 1};

QByteArray bytesOf(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TEST(GraphFile, WritesPointDecimalsAndQuotedTermsAndReadsOtherLayouts) {
  const struct {
    std::string_view bytes;
    std::array<float, 6> view;
    QStringList terms;
    bool written;  // exactly what writeGraphFile gives for view and terms
  } cases[] = {
      {"-10,10,-9,9,1,1\r\n\"x^2-2x\"\r\n", kDefaultView, {"x^2-2x"}, true},
      {"-10,10,-9,9,1,1\r\n", kDefaultView, {}, true},
      {"-0.5,1E+07,1.5E-07,9,2.5,0.1\r\n\"max(x,1)\"\r\n\"\"\r\n\" x\xB2\t\"\r\n",
       {-0.5f, 1e7f, 1.5e-7f, 9, 2.5f, 0.1f},
       {"max(x,1)", "", " x²\t"},
       true},
      {"-10,10,-9\n9,1,1\n\"x\"", kDefaultView, {"x"}, false},
      {"\r\n -10 , 10,-9,9,1,1 \r\"x\"\r\r\n  \"\"  \r\n\r\n", kDefaultView, {"x", ""}, false},
      {".5,-.5,1E+07,1.5E-07,+2,3.", {0.5f, -0.5f, 1e7f, 1.5e-7f, 2, 3}, {}, false},
  };
  for (const auto& c : cases) {
    if (c.written) {
      EXPECT_EQ(writeGraphFile(c.view, c.terms),
                (std::variant<QByteArray, QString>(bytesOf(c.bytes))));
    }
    const auto read = readGraphFile(bytesOf(c.bytes));
    ASSERT_TRUE(std::holds_alternative<GraphFile>(read)) << std::get<QString>(read).toStdString();
    EXPECT_EQ(std::get<GraphFile>(read).view, c.view) << c.bytes;
    EXPECT_EQ(std::get<GraphFile>(read).terms, c.terms) << c.bytes;
  }
}

TEST(GraphFile, RefusesMalformedFilesNamingTheLine) {
  const struct {
    std::string_view bytes;
    const char* start;
    const char* names;
  } cases[] = {
      {" \r\n\r\n", "Die Datei ist leer", ""},
      {"-10,10,-9\r\n9,1\r\n\"x\"\r\n", "Zeile 2:", "fehlen Zahlen"},
      {"-10,abc,-9,9,1,1\r\n", "Zeile 1:", "\"abc\" ist keine Zahl"},
      {"-10,10,-9,9,1.2.3,1\r\n", "Zeile 1:", "\"1.2.3\" ist keine Zahl"},
      {"-10,10,-9,9,1E+39,1\r\n", "Zeile 1:", "Zahlenbereich"},
      {"-10,10,,9,1,1\r\n", "Zeile 1:", "leer"},
      {"-10,10,-9,9,1,1,7\r\n", "Zeile 1:", "Zu viele Zahlen"},
      {"-10,10,-9,9,1,1\r\n\"x\"\r\nx^2\r\n", "Zeile 3:", "nicht in Anführungszeichen"},
      {"-10,10,-9,9,1,1\r\n\"\r\n", "Zeile 2:", "nicht in Anführungszeichen"},
      {"-10,10,-9,9,1,1\r\n\"x\",\"y\"\r\n", "Zeile 2:", "weiteres Anführungszeichen"},
      {"\x00\x01\x02PK\x03\x04"sv, "Zeile 1:", "Steuerzeichen"},
  };
  for (const auto& c : cases) {
    const auto read = readGraphFile(bytesOf(c.bytes));
    ASSERT_TRUE(std::holds_alternative<QString>(read)) << c.bytes;
    const QString& message = std::get<QString>(read);
    EXPECT_TRUE(message.startsWith(QString::fromUtf8(c.start))) << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.names))) << message.toStdString();
  }
}

TEST(GraphFile, RefusesToWriteTermsThatCouldNotBeReadBack) {
  const std::pair<QString, const char*> cases[] = {
      {"a\"b", "\"a\"b\" enthält ein Anführungszeichen"},
      {"2π", "\"2π\" enthält das Zeichen \"π\""},
      {"x\ny", "Steuerzeichen"},
  };
  for (const auto& [term, names] : cases) {
    const auto written = writeGraphFile(kDefaultView, {"x", term});
    ASSERT_TRUE(std::holds_alternative<QString>(written)) << names;
    EXPECT_TRUE(std::get<QString>(written).contains(QString::fromUtf8(names)))
        << std::get<QString>(written).toStdString();
  }
}

TEST(GraphFile, AViewOfAnyFloatsReadsBackUnchanged) {
  // A zoomed window holds floats that seven digits do not pin down.
  const std::array<float, 6> view = {-10.0f / 3,  10.0f / 3,      1.00000012f,
                                     16777216.0f, 3.40282347e38f, 1.17549435e-38f};
  const auto written = writeGraphFile(view, {"x"});
  ASSERT_TRUE(std::holds_alternative<QByteArray>(written));
  EXPECT_EQ(std::get<QByteArray>(written),
            "-3.3333333,3.3333333,1.0000001,16777216,3.4028235E+38,1.1754944E-38\r\n\"x\"\r\n");
  const auto read = readGraphFile(std::get<QByteArray>(written));
  ASSERT_TRUE(std::holds_alternative<GraphFile>(read)) << std::get<QString>(read).toStdString();
  EXPECT_EQ(std::get<GraphFile>(read).view, view);
  EXPECT_EQ(std::get<GraphFile>(read).terms, QStringList{"x"});
}
