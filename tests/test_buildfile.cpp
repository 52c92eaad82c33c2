// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Build files without a window: every field of the form round-trips, damaged
// and hostile files are refused without touching the record, and a save that
// fails or is killed leaves the old file.
#include <errno.h>
#include <fcntl.h>
#include <locale.h>
#include <math.h>
#include <sched.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "buildfile/buildfile.h"
#include "calc/geometry.h"
#include "calc/spoke.h"
#include "form/items.h"

namespace {

// The popups' values that the build file names on its own.
static_assert(kJBendHead == 1 && kStraightPullHead == 2, "build files name the heads by value");
static_assert(kUnitKgf == 1 && kUnitNewton == 2, "build files name the units by value");

std::string Dump(const Build &b)
{
    // Every field as text, so that a failed comparison shows which one differs.
    const Wheel &w = b.wheel;
    std::ostringstream s;
    s.precision(17);
    s << w.name << "|" << w.notes << "|" << w.rim.name << "|" << w.rim.size << "|" << w.rim.notes
      << "|" << w.rim.diameter << "|" << w.rim.offset << "|" << w.hub.name << "|" << w.hub.axle
      << "|" << w.hub.notes << "|" << w.hub.position << "|" << w.hub.head << "|"
      << w.hub.flangeDiameter1 << "|" << w.hub.flangeDiameter2 << "|" << w.hub.flangeDistance1
      << "|" << w.hub.flangeDistance2 << "|" << w.hub.holeDiameter << "|" << w.crossings1 << "|"
      << w.crossings2 << "|" << w.spokes << "|" << w.sharing << "|" << w.gauge1 << "|" << w.gauge2
      << "|" << w.target << "|" << w.unit << "|" << w.stockStep << "|" << w.rim.offsetSide << "|"
      << w.hub.exit << "|" << w.hub.seatOffset << "|" << w.rim.source << "|" << w.hub.source << "|"
      << w.rim.washer << "|" << b.readings.meter << "|" << BandOf(b.readings);
    // The readings as typed, and whether each is one.
    for (int i = 0; i < b.readings.count; i++)
        s << "|" << b.readings.hole[i].text << (b.readings.hole[i].valid ? "+" : "-");
    return s.str();
}

Build Cleared()
{
    Build b;
    ClearBuild(&b);
    return b;
}

// A full build: the worked rear wheel with every field set.
Build RearWheel()
{
    Build b = Cleared();
    Wheel &w = b.wheel;
    snprintf(w.name, sizeof w.name, "rear-wheel");
    snprintf(w.notes, sizeof w.notes, "Anna K., 2026-12-09, 16 + 16 spokes bought");
    snprintf(w.rim.name, sizeof w.rim.name, "Road box section");
    snprintf(w.rim.size, sizeof w.rim.size, "622x15");
    snprintf(w.rim.notes, sizeof w.rim.notes, "alloy, rim brake");
    w.rim.diameter = 602;
    w.rim.offset = 2.5;
    snprintf(w.hub.name, sizeof w.hub.name, "Road high flange drive side");
    snprintf(w.hub.axle, sizeof w.hub.axle, "130 mm QR");
    snprintf(w.hub.notes, sizeof w.hub.notes, "rim brake");
    snprintf(w.hub.position, sizeof w.hub.position, "rear");
    w.hub.flangeDiameter1 = 45;
    w.hub.flangeDiameter2 = 57;
    w.hub.flangeDistance1 = 35;
    w.hub.flangeDistance2 = 20.25;
    w.hub.holeDiameter = 2.6;
    w.target = 120;
    return b;
}

// Every field of the form, changed alone from the cleared build, comes back.
struct FieldCase {
    const char *name;
    std::function<void(Build *)> change;
};

class FieldRoundTrip : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldRoundTrip, ComesBackAsItWas)
{
    Build b = Cleared();
    GetParam().change(&b);
    ASSERT_NE(Dump(b), Dump(Cleared())) << "the row changes nothing";
    const std::string text = Build2Text(b);
    Build read = Cleared();
    ASSERT_EQ(Text2Build(text.data(), text.size(), &read), kBuildOK) << text;
    EXPECT_EQ(Dump(read), Dump(b)) << text;
}

void Set(char *text, const char *value)
{
    snprintf(text, kWheelTextSize, "%s", value);
}

const FieldCase kFields[] = {
    {"Name", [](Build *b) { Set(b->wheel.name, "rear-wheel"); }},
    {"Notes", [](Build *b) { Set(b->wheel.notes, "Anna, 9 December: 32 spokes \"DT\" bought\\"); }},
    {"RimName", [](Build *b) { Set(b->wheel.rim.name, "Café rim"); }},
    {"RimSize", [](Build *b) { Set(b->wheel.rim.size, "622x19"); }},
    {"RimNotes", [](Build *b) { Set(b->wheel.rim.notes, "tubeless\tready"); }},
    {"RimDiameter", [](Build *b) { b->wheel.rim.diameter = 601.7; }},
    {"RimOffset", [](Build *b) { b->wheel.rim.offset = -3.25; }},
    {"RimOffsetSide", [](Build *b) { b->wheel.rim.offsetSide = 1; }},
    {"RimSource", [](Build *b) { Set(b->wheel.rim.source, "measured 2026-11-30"); }},
    {"Washer", [](Build *b) { b->wheel.rim.washer = 0.5; }},
    {"HubSource", [](Build *b) { Set(b->wheel.hub.source, "maker's drawing, rev. B"); }},
    {"HubExit", [](Build *b) { b->wheel.hub.exit = kExitTangential; }},
    {"SeatOffset", [](Build *b) { b->wheel.hub.seatOffset = 1.75; }},
    {"HubName", [](Build *b) { Set(b->wheel.hub.name, "Hub <b>&</b>"); }},
    {"HubAxle", [](Build *b) { Set(b->wheel.hub.axle, "12x142"); }},
    {"HubNotes", [](Build *b) { Set(b->wheel.hub.notes, "6-bolt"); }},
    {"HubPosition", [](Build *b) { Set(b->wheel.hub.position, "rear"); }},
    {"HubHead", [](Build *b) { b->wheel.hub.head = kStraightPullHead; }},
    {"FlangeDiameter1", [](Build *b) { b->wheel.hub.flangeDiameter1 = 45.1; }},
    {"FlangeDiameter2", [](Build *b) { b->wheel.hub.flangeDiameter2 = 0.1 + 0.2; }},
    {"FlangeDistance1", [](Build *b) { b->wheel.hub.flangeDistance1 = 1e-300; }},
    {"FlangeDistance2", [](Build *b) { b->wheel.hub.flangeDistance2 = 1e300; }},
    {"HoleDiameter", [](Build *b) { b->wheel.hub.holeDiameter = 2.6; }},
    {"Crossings1", [](Build *b) { b->wheel.crossings1 = 0; }},
    {"Crossings2", [](Build *b) { b->wheel.crossings2 = 4; }},
    {"Spokes", [](Build *b) { b->wheel.spokes = 18; }},
    {"SpokesPerSide", [](Build *b) { b->wheel.sharing = kSidesMoreOn1; }},
    {"Gauge1", [](Build *b) { b->wheel.gauge1 = kGaugeButted201520; }},
    {"Gauge2", [](Build *b) { b->wheel.gauge2 = kGaugePlain23; }},
    {"Target", [](Build *b) { b->wheel.target = 1176.8; }},
    {"Unit", [](Build *b) { b->wheel.unit = kUnitNewton; }},
    {"StockStep", [](Build *b) { b->wheel.stockStep = 1; }},
    // The truing stand's readings as typed, a bad one and empty ones kept.
    {"Readings",
     [](Build *b) {
         b->readings.count = 32;
         SetReading(&b->readings, 0, "21,5");
         SetReading(&b->readings, 6, "abc");
         SetReading(&b->readings, 31, " 19 ");
         snprintf(b->readings.meter, sizeof b->readings.meter, "%s", "My meter\t2.0");
         b->readings.band = 10;
     }},
};

INSTANTIATE_TEST_SUITE_P(EveryField, FieldRoundTrip, ::testing::ValuesIn(kFields),
                         [](const ::testing::TestParamInfo<FieldCase> &i) { return i.param.name; });

// Numbers keep their decimal point, and texts their bytes, in every locale.
class BuildUnderLocale : public ::testing::TestWithParam<const char *> {
  protected:
    void SetUp() override
    {
        saved_ = setlocale(LC_ALL, nullptr);
        if (!setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << GetParam() << " is not installed";
    }
    void TearDown() override { setlocale(LC_ALL, saved_.c_str()); }
    std::string saved_;
};

TEST_P(BuildUnderLocale, WritesPointsAndReadsThemBack)
{
    const Build b = RearWheel();
    const std::string text = Build2Text(b);
    EXPECT_NE(text.find("\"erd\": 602.0,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"flangeDistance2\": 20.25,"), std::string::npos) << text;
    Build read = Cleared();
    ASSERT_EQ(Text2Build(text.data(), text.size(), &read), kBuildOK);
    EXPECT_EQ(Dump(read), Dump(b));
}

INSTANTIATE_TEST_SUITE_P(Locales, BuildUnderLocale,
                         ::testing::Values("C", "de_DE.UTF-8", "fr_FR.UTF-8"),
                         [](const ::testing::TestParamInfo<const char *> &i) {
                             std::string n = i.param;
                             for (char &c : n)
                                 if (!isalnum((unsigned char)c))
                                     c = '_';
                             return n;
                         });

TEST(BuildText, LongTextsAreCutOnACharacterBoundary)
{
    std::string text = Build2Text(Cleared());
    const std::string longName(253, 'a');
    const size_t at = text.find("\"name\": \"\"");
    text.replace(at, 10, "\"name\": \"" + longName + "éé\""); // é is two bytes: 253 + 2 + 2
    Build read = Cleared();
    ASSERT_EQ(Text2Build(text.data(), text.size(), &read), kBuildOK);
    EXPECT_EQ(std::string(read.wheel.name), longName + "é");
}

TEST(BuildText, TheResultsAreWrittenWithNullForNoFigure)
{
    Build b = RearWheel();
    b.results.calculated = true;
    b.results.side1 = {16, 292.33, 291.0, 58, NAN, 7.5, NAN, 292, -0.3, 290, 292};
    b.results.side2 = {16, 289.1, 288.0, 100, NAN, 6.1, NAN, 290, 0.9, 288, 290};
    const std::string text = Build2Text(b);
    EXPECT_NE(text.find("\"length\": 292.33,"), std::string::npos) << text;
    EXPECT_NE(text.find("\"tension\": null,"), std::string::npos) << text;
    Build read = Cleared();
    ASSERT_EQ(Text2Build(text.data(), text.size(), &read), kBuildOK);
    EXPECT_FALSE(read.results.calculated) << "opening calculates again";
}

// Texts that are no build, or a broken one: each gives its status and the
// record stays as it was.
struct HostileText {
    const char *name;
    std::function<std::string(const std::string &good)> make;
    BuildStatus status;
};

class HostileBuildText : public ::testing::TestWithParam<HostileText> {};

TEST_P(HostileBuildText, IsRefusedAndChangesNothing)
{
    const std::string good = Build2Text(RearWheel());
    const std::string text = GetParam().make(good);
    Build b = Cleared();
    Set(b.wheel.name, "untouched");
    const std::string before = Dump(b);
    EXPECT_EQ(Text2Build(text.data(), text.size(), &b), GetParam().status) << text.substr(0, 200);
    EXPECT_EQ(Dump(b), before);
}

std::string Replace(std::string s, const std::string &from, const std::string &to)
{
    const size_t at = s.find(from);
    return at == std::string::npos ? "missing: " + from : s.replace(at, from.size(), to);
}

const HostileText kHostileTexts[] = {
    {"Empty", [](const std::string &) { return std::string(); }, kBuildNotABuild},
    {"ACatalogue", [](const std::string &) { return std::string("ERD\tRim\n602\tRoad\n"); },
     kBuildNotABuild},
    {"AnArray", [](const std::string &) { return std::string("[1, 2]"); }, kBuildNotABuild},
    {"AnotherJsonObject",
     [](const std::string &) { return std::string("{\"name\": \"x\", \"version\": 1}"); },
     kBuildNotABuild},
    {"BinaryZeros", [](const std::string &) { return std::string(64, '\0'); }, kBuildNotABuild},
    {"CutShort", [](const std::string &g) { return g.substr(0, g.size() / 2); }, kBuildCutShort},
    {"CutAfterTheLastComma", [](const std::string &g) { return g.substr(0, g.rfind(',') + 1); },
     kBuildCutShort},
    {"GarbledInside", [](const std::string &g) { return Replace(g, "\"hub\": {", "\"hub\": {{"); },
     kBuildDamaged},
    {"NulInside",
     [](const std::string &g) { return Replace(g, "\"rim\"", std::string("\"r\0m\"", 5)); },
     kBuildDamaged},
    {"InvalidUtf8", [](const std::string &g) { return Replace(g, "rear-wheel", "rear\xff"); },
     kBuildDamaged},
    {"NoVersion", [](const std::string &g) { return Replace(g, "\"version\": 1,", ""); },
     kBuildDamaged},
    {"VersionZero",
     [](const std::string &g) { return Replace(g, "\"version\": 1", "\"version\": 0"); },
     kBuildDamaged},
    {"ANumberAsText", [](const std::string &g) { return Replace(g, "602.0", "\"602\""); },
     kBuildDamaged},
    {"ANumberTooLarge", [](const std::string &g) { return Replace(g, "602.0", "1e400"); },
     kBuildDamaged},
    {"ATextAsNumber", [](const std::string &g) { return Replace(g, "\"622x15\"", "622"); },
     kBuildDamaged},
    {"AGroupAsText",
     [](const std::string &g) { return Replace(g, "\"lacing\": {", "\"lacing\": \"\", \"x\": {"); },
     kBuildDamaged},
    {"SpokesThePopupLacks",
     [](const std::string &g) { return Replace(g, "\"spokes\": 32", "\"spokes\": 33"); },
     kBuildDamaged},
    {"NegativeCrossings",
     [](const std::string &g) { return Replace(g, "\"crossings1\": 3", "\"crossings1\": -1"); },
     kBuildDamaged},
    {"AnUnknownHead", [](const std::string &g) { return Replace(g, "\"J-bend\"", "\"tied\""); },
     kBuildDamaged},
    {"AStockStepOf3",
     [](const std::string &g) { return Replace(g, "\"stockStep\": 2.0", "\"stockStep\": 3.0"); },
     kBuildDamaged},
};

INSTANTIATE_TEST_SUITE_P(Texts, HostileBuildText, ::testing::ValuesIn(kHostileTexts),
                         [](const ::testing::TestParamInfo<HostileText> &i) {
                             return i.param.name;
                         });

TEST(BuildText, DeepNestingIsDroppedWithoutCost)
{
    const std::string deep = std::string(400000, '[') + std::string(400000, ']');
    const std::string text =
        Replace(Build2Text(RearWheel()), "\"version\": 1,", "\"version\": 1, \"x\": " + deep + ",");
    Build b = Cleared();
    EXPECT_EQ(Text2Build(text.data(), text.size(), &b), kBuildOK);
    EXPECT_EQ(Dump(b), Dump(RearWheel()));
}

TEST(BuildText, ANewerFormatOpensWhatItUnderstands)
{
    std::string text = Build2Text(RearWheel());
    text = Replace(text, "\"version\": 1,", "\"version\": 7, \"tensions\": [1.5, 2.5],");
    text = Replace(text, "\"gauge1\": \"none\"", "\"gauge1\": \"titanium 2.2\"");
    text = Replace(text, "\"622x15\"", "{\"iso\": 622}");
    Build b = Cleared();
    ASSERT_EQ(Text2Build(text.data(), text.size(), &b), kBuildNewer);
    Build expected = RearWheel();
    expected.wheel.rim.size[0] = '\0'; // what it cannot read keeps the cleared value
    EXPECT_EQ(Dump(b), Dump(expected));
}

// Files on disk.
class BuildFiles : public ::testing::Test {
  protected:
    void SetUp() override
    {
        char templ[] = "/tmp/quennick-build-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir_ = templ;
        chmod(dir_.c_str(), 0755);
    }
    void TearDown() override
    {
        chmod(dir_.c_str(), 0755);
        system(("rm -rf '" + dir_ + "'").c_str());
    }
    std::string Path(const char *name) const { return dir_ + "/" + name; }
    static std::string Contents(const std::string &path)
    {
        std::ifstream f(path, std::ios::binary);
        std::ostringstream s;
        s << f.rdbuf();
        return s.str();
    }
    static void Put(const std::string &path, const std::string &text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The folder's entries other than the given file: a left-over sibling.
    std::string Others(const char *name) const
    {
        std::string list;
        FILE *p = popen(("ls -A '" + dir_ + "'").c_str(), "r");
        char line[512];
        while (p && fgets(line, sizeof line, p))
            if (strcmp(line, (std::string(name) + "\n").c_str()))
                list += line;
        if (p)
            pclose(p);
        return list;
    }
    std::string dir_;
};

TEST_F(BuildFiles, SavedAndOpenedAgainKeepsEverythingAndTheMode)
{
    const std::string path = Path("rear-wheel.quennick");
    Put(path, "old");
    chmod(path.c_str(), 0640);
    ASSERT_EQ(WriteBuildFile(path.c_str(), RearWheel()), 0);
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Others("rear-wheel.quennick"), "");
    Build b = Cleared();
    int error = -1;
    ASSERT_EQ(ReadBuildFile(path.c_str(), &b, &error), kBuildOK);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(Dump(b), Dump(RearWheel()));
}

TEST_F(BuildFiles, SavingThroughALinkReplacesItsTarget)
{
    const std::string target = Path("real.quennick");
    Put(target, "old");
    ASSERT_EQ(symlink(target.c_str(), Path("link.quennick").c_str()), 0);
    ASSERT_EQ(WriteFileAtomic(Path("link.quennick").c_str(), "new", 3), 0);
    struct stat st;
    ASSERT_EQ(lstat(Path("link.quennick").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(Contents(target), "new");
}

// Files that cannot be opened as a build: each gives its status, and neither
// the record nor the file changes.
struct HostileFile {
    const char *name;
    std::function<std::string(const std::string &dir)> make; // returns the path
    BuildStatus status;
    int error;
};

class HostileBuildFile : public BuildFiles, public ::testing::WithParamInterface<HostileFile> {};

TEST_P(HostileBuildFile, IsRefusedAndChangesNothing)
{
    const std::string path = GetParam().make(dir_);
    struct stat before = {};
    stat(path.c_str(), &before);
    Build b = Cleared();
    int error = -1;
    EXPECT_EQ(ReadBuildFile(path.c_str(), &b, &error), GetParam().status);
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(Dump(b), Dump(Cleared()));
    struct stat after = {};
    stat(path.c_str(), &after);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

const HostileFile kHostileFiles[] = {
    {"Missing", [](const std::string &d) { return d + "/none.quennick"; }, kBuildUnreadable,
     ENOENT},
    {"AFolder",
     [](const std::string &d) {
         mkdir((d + "/folder.quennick").c_str(), 0755);
         return d + "/folder.quennick";
     },
     kBuildFolder, 0},
    {"ANamedPipeWithNoWriter",
     [](const std::string &d) {
         mkfifo((d + "/pipe.quennick").c_str(), 0644);
         return d + "/pipe.quennick";
     },
     kBuildNotAFile, 0},
    {"ADevice", [](const std::string &) { return std::string("/dev/zero"); }, kBuildNotAFile, 0},
    {"HugeAndSparse",
     [](const std::string &d) {
         const std::string p = d + "/huge.quennick";
         const int fd = open(p.c_str(), O_WRONLY | O_CREAT, 0644);
         if (fd >= 0) {
             if (ftruncate(fd, (off_t)50 << 30) != 0)
                 perror("ftruncate");
             close(fd);
         }
         return p;
     },
     kBuildTooLarge, 0},
    {"OneByteTooLarge",
     [](const std::string &d) {
         const std::string p = d + "/large.quennick";
         std::ofstream(p) << std::string(kBuildFileMaxSize + 1, ' ');
         return p;
     },
     kBuildTooLarge, 0},
};

INSTANTIATE_TEST_SUITE_P(Files, HostileBuildFile, ::testing::ValuesIn(kHostileFiles),
                         [](const ::testing::TestParamInfo<HostileFile> &i) {
                             return i.param.name;
                         });

// Runs `body` in a child process and returns its exit status (-1 if it did not
// exit): for saves as another user, in another mount namespace, or killed.
int InChild(const std::function<int()> &body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(BuildFiles, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    const std::string path = Path("rear-wheel.quennick");
    Put(path, "old");
    chmod(path.c_str(), 0644);
    chmod(dir_.c_str(), 0555);
    // root writes into any folder: the save runs as nobody then.
    const int error = InChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 100;
        return WriteBuildFile(path.c_str(), RearWheel());
    });
    EXPECT_EQ(error, EACCES);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(Others("rear-wheel.quennick"), "");
}

TEST_F(BuildFiles, ASaveOntoAFullDiskFailsAndKeepsTheOldFile)
{
    const std::string path = Path("disk/rear-wheel.quennick");
    ASSERT_EQ(mkdir(Path("disk").c_str(), 0755), 0);
    // A 64 KiB tmpfs in a mount namespace of the child's own, which only root
    // may make; the old file and a filler leave too little room for the new.
    const int error = InChild([&] {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
            mount("tmpfs", Path("disk").c_str(), "tmpfs", 0, "size=64k") != 0)
            return 200;
        Put(path, "old");
        Put(Path("disk/filler"), std::string(40 * 1024, 'x'));
        const std::string big(32 * 1024, 'n');
        const int e = WriteFileAtomic(path.c_str(), big.data(), big.size());
        if (Contents(path) != "old")
            return 201;
        if (system(("test $(ls -A '" + Path("disk") + "' | wc -l) = 2").c_str()) != 0)
            return 202; // a sibling was left
        return e;
    });
    if (error == 200)
        GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
    EXPECT_EQ(error, ENOSPC) << "201: the old file changed; 202: a sibling was left";
}

TEST_F(BuildFiles, AKillDuringASaveLeavesTheOldFile)
{
    const std::string path = Path("rear-wheel.quennick");
    Put(path, "old");
    // A save large enough to be caught writing: killed as soon as its sibling
    // holds a byte. Should the kill come after the rename, try a larger one.
    bool caught = false;
    for (size_t size = (size_t)64 << 20; !caught && size <= ((size_t)512 << 20); size *= 2) {
        const pid_t pid = fork();
        if (pid == 0) {
            const std::string data(size, 'n');
            _exit(WriteFileAtomic(path.c_str(), data.data(), data.size()));
        }
        std::string sibling;
        for (;;) {
            sibling = Others("rear-wheel.quennick");
            struct stat st;
            if (!sibling.empty() &&
                stat(Path(sibling.substr(0, sibling.find('\n')).c_str()).c_str(), &st) == 0 &&
                st.st_size > 0)
                break;
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                break; // finished before it was seen
            usleep(100);
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        caught = !Others("rear-wheel.quennick").empty();
        if (caught)
            EXPECT_EQ(Contents(path), "old");
        else
            EXPECT_EQ(Contents(path).size(), size) << "the file is the old one or the new one";
        if (!caught)
            Put(path, "old");
    }
    EXPECT_TRUE(caught) << "no save was caught while it wrote";
}

} // namespace
