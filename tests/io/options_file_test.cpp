// The options file: every field written and read back, the layout of its fixed parts, and
// damaged files refused without touching the options.
#include "io/options_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "io/io_test_support.h"

namespace velt {
namespace {

// Options with every field away from its default.
Options Unusual() {
  Options o;
  o.windowLeft = 11;
  o.windowTop = 12;
  o.windowHeight = 513;
  o.windowWidth = 714;
  o.windowState = 0;
  o.backgroundColour = 0x123456;
  o.hiddenColour = 7;
  o.selectionColour = 8;
  o.antiAliased = 1;
  o.planeSize = 6543.5;
  o.mainBarVisible = 0;
  o.editBarVisible = 0;
  o.documentBarVisible = 0;
  o.statusBarVisible = 0;
  o.fullScreen = 1;
  o.showHidden = 1;
  o.cursorFont = {"Courier", 1, 9, 1, 0, 0, 0};
  o.nameFont = {"Times", 2, 13, 0, 1, 0, 0};
  o.numberFont = {"Helvetica", 3, 14, 0, 0, 1, 0};
  o.textFont = {"Ñandú", 4, 15, 0, 0, 0, 1};
  o.listFont = {"Mono", 5, 16, 1, 1, 1, 1};
  o.listBackground = 99;
  o.angleMarkFactor = 0.25;
  o.detectionDistance = 12;
  o.nameDistance = 70;
  o.adaptCursorColour = 0;
  o.bigButtons = 0;
  o.lengthUnit = 3;
  o.angleUnit = 2;
  o.measureScale = 12.5;
  o.coordinateSystem = 1;
  o.decimals = 5;
  o.locusPoints = 400;
  o.hideMacroIntermediates = 0;
  o.stepFromFirst = 0;
  for (int t : {kTypePoint, kTypeLine, kTypeRay, kTypeSegment, kTypeCircle, kTypeArc, kTypePolygon,
                kTypeAngle, kTypeLocus, kTypeAxes, kTypeIteration}) {
    o.typeColours[t] = 1000 + t;
    o.typeStyles[t] = 2 + t % 5;
  }
  o.language = "English";
  return o;
}

int32_t IntAt(const std::string& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

TEST(OptionsFile, EveryFieldReadsBackAsWritten) {
  const Options written = Unusual();
  Options read;
  ASSERT_TRUE(ReadOptionsBytes(OptionsFileBytes(written), 1000, read));
  EXPECT_EQ(read, written);
  // The factory options read back as themselves too.
  const Options factory = FactoryOptions(1921);
  Options again = written;
  ASSERT_TRUE(ReadOptionsBytes(OptionsFileBytes(factory), 1921, again));
  EXPECT_EQ(again, factory);
}

TEST(OptionsFile, FixedPartsSitWhereTheFormatPutsThem) {
  Options o = Unusual();
  o.language = "Ab";
  const std::string b = OptionsFileBytes(o);
  EXPECT_EQ(b.substr(0, 4), "VELT");
  EXPECT_EQ(IntAt(b, 4), 700);
  EXPECT_EQ(IntAt(b, 8), 2);
  EXPECT_EQ(b.substr(12, 2), "Ab");
  EXPECT_EQ(IntAt(b, 14), 11);  // window left, top, height, width, state
  EXPECT_EQ(IntAt(b, 18), 12);
  EXPECT_EQ(IntAt(b, 22), 513);
  EXPECT_EQ(IntAt(b, 26), 714);
  EXPECT_EQ(IntAt(b, 30), 0);
  EXPECT_EQ(IntAt(b, 34), 0x123456);
  // The first font after the switches is the text font: its name and colour.
  const size_t font = 14 + 4 * (5 + 3 + 1) + 8 + 4 * (4 + 2);
  EXPECT_EQ(IntAt(b, font), 5);  // "Ñandú": five bytes of the file's code page
  EXPECT_EQ(b.substr(font + 4, 5),
            "\xD1"
            "and\xFA");
  EXPECT_EQ(IntAt(b, font + 9), 4);
  // The last 22 numbers are the colours and then the shapes of eleven types, with the
  // polygon seventh, after the arc.
  const size_t tail = b.size() - 22 * 4;
  EXPECT_EQ(IntAt(b, tail), 1000 + kTypePoint);
  EXPECT_EQ(IntAt(b, tail + 5 * 4), 1000 + kTypeArc);
  EXPECT_EQ(IntAt(b, tail + 6 * 4), 1000 + kTypePolygon);
  EXPECT_EQ(IntAt(b, tail + 10 * 4), 1000 + kTypeIteration);
  EXPECT_EQ(IntAt(b, tail + 17 * 4), 2 + kTypePolygon % 5);
}

TEST(OptionsFile, ForeignDamagedOrTruncatedFilesLeaveTheOptionsAlone) {
  const std::string good = OptionsFileBytes(Unusual());
  const Options before = FactoryOptions(1000);
  auto refused = [&](const std::string& bytes) {
    Options o = before;
    const bool ok = ReadOptionsBytes(bytes, 1000, o);
    return !ok && o == before;
  };
  for (int32_t version : {699, 701}) {
    std::string b = good;
    std::memcpy(b.data() + 4, &version, 4);
    EXPECT_TRUE(refused(b)) << version;
  }
  std::string magic = good;
  magic[0] = 'X';
  EXPECT_TRUE(refused(magic));
  for (size_t n = 0; n < good.size(); ++n) ASSERT_TRUE(refused(good.substr(0, n))) << n;
  // A language name of 41 bytes is refused, 40 is accepted.
  Options longName = Unusual();
  longName.language = std::string(40, 'x');
  Options read;
  ASSERT_TRUE(ReadOptionsBytes(OptionsFileBytes(longName), 1000, read));
  EXPECT_EQ(read.language.size(), 40u);
  std::string b = OptionsFileBytes(longName);
  const int32_t n41 = 41;
  std::memcpy(b.data() + 8, &n41, 4);
  b.insert(12, "x");
  EXPECT_TRUE(refused(b));
  // Values that would index past a table mean damage.
  Options badUnit = Unusual();
  badUnit.lengthUnit = 4;
  EXPECT_TRUE(refused(OptionsFileBytes(badUnit)));
  Options badScale = Unusual();
  badScale.measureScale = 0;
  EXPECT_TRUE(refused(OptionsFileBytes(badScale)));
}

TEST(OptionsFile, SmallPlaneIsRaisedToTheScreenAndLongFontNamesAreCut) {
  Options o = Unusual();
  o.planeSize = 1200;
  o.nameFont.face = std::string(40, 'n');
  Options read;
  ASSERT_TRUE(ReadOptionsBytes(OptionsFileBytes(o), 2561, read));
  EXPECT_EQ(read.planeSize, 2561);
  EXPECT_EQ(read.nameFont.face, std::string(31, 'n'));
}

TEST(OptionsFile, FactoryPlaneFollowsTheScreen) {
  EXPECT_EQ(ScreenExtent(800, 600), 1000);
  EXPECT_EQ(ScreenExtent(1920, 1080), 1921);
  EXPECT_EQ(FactoryOptions(1000).planeSize, 4000);
  EXPECT_EQ(FactoryOptions(3841).planeSize, 4841);
}

TEST(OptionsFile, MissingDamagedAndLoadedFilesAreTold) {
  test::ScratchFolder dir;
  const auto path = dir.path() / "maker" / "VELT 7" / "velt.ini";
  Options o;
  EXPECT_EQ(LoadOptionsFile(path, 1000, o), OptionsLoad::Missing);
  ASSERT_TRUE(SaveOptionsFile(Unusual(), path));  // creates the folders
  Options read;
  EXPECT_EQ(LoadOptionsFile(path, 1000, read), OptionsLoad::Loaded);
  EXPECT_EQ(read, Unusual());
  const std::string bytes = test::ReadBytes(path);
  test::WriteBytes(path, bytes.substr(0, bytes.size() - 3));
  Options untouched = FactoryOptions(1000);
  EXPECT_EQ(LoadOptionsFile(path, 1000, untouched), OptionsLoad::Damaged);
  EXPECT_EQ(untouched, FactoryOptions(1000));
}

}  // namespace
}  // namespace velt
