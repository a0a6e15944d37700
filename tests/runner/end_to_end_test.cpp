// zedrunner itself, with the fixture plug-in: the transcript, picture and dump
// of a whole command, and how bad inputs and plug-ins are turned away.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "emuhost/emu_api.h"
#include "runner/drawing_file.h"
#include "runner/drawing_loader.h"
#include "runner/text_files.h"
#include "tests/runner/program_test_support.h"

namespace runner {
namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
constexpr const char* kLibrarySuffix = ".dll";
#else
constexpr const char* kLibrarySuffix = ".so";
#endif

using runner_test::Environment;
using runner_test::Outcome;
using runner_test::Read;

class ZedrunnerEndToEndTest : public testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "runs zedrunner through a POSIX shell";
#else
        build_ = Environment("LEDGEWRIGHT_BUILD_DIR");
        source_ = Environment("LEDGEWRIGHT_SOURCE_DIR");
        if (build_.empty() || source_.empty()) {
            GTEST_SKIP() << "LEDGEWRIGHT_BUILD_DIR and LEDGEWRIGHT_SOURCE_DIR are set by ctest";
        }
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        work_ = fs::path(testing::TempDir()) / ("zedrunner_" + name + "_" + std::to_string(getpid()));
        fs::remove_all(work_);
        fs::create_directories(work_);
#endif
    }

    void TearDown() override {
        if (!work_.empty()) {
            fs::remove_all(work_);
        }
    }

    fs::path Runner() const { return build_ / "bin" / "zedrunner"; }
    fs::path Fixture() const { return build_ / "bin" / (std::string("FixturePlugin") + kLibrarySuffix); }
    fs::path Sample(const std::string& name) const { return source_ / "tests" / "fixtures" / name; }
    fs::path Golden(const std::string& name) const { return source_ / "tests" / "runner" / "data" / name; }

    fs::path Write(const std::string& name, const std::string& text) const {
        const fs::path path = work_ / name;
        EXPECT_TRUE(WriteTextFile(PathToUtf8(path), text));
        return path;
    }

    // Runs a program in the work folder; `prefix` goes before it (variables), `input` is its standard input.
    Outcome Execute(const fs::path& program, const std::string& arguments, const std::string& prefix = "",
                    const std::string& input = "") const {
        const fs::path in = Write("stdin.txt", input);
        const fs::path out = work_ / "stdout.txt", err = work_ / "stderr.txt";
        const std::string command = "cd '" + work_.string() + "' && " + prefix + " '" + program.string() + "' " +
                                    arguments + " < '" + in.string() + "' > '" + out.string() + "' 2> '" +
                                    err.string() + "'";
        Outcome run;
        const int status = std::system(command.c_str());
#ifndef _WIN32
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
        run.status = status;
#endif
        run.out = Read(out);
        run.err = Read(err);
        return run;
    }

    Outcome Zedrunner(const std::string& arguments, const std::string& prefix = "",
                      const std::string& input = "") const {
        return Execute(Runner(), arguments, prefix, input);
    }

    std::string WithFixture() const { return "--plugin '" + Fixture().string() + "'"; }
    std::string WithPlate() const { return "--drawing '" + Sample("plate.drw").string() + "'"; }

    fs::path build_, source_, work_;
};

TEST_F(ZedrunnerEndToEndTest, RunsAWholeCommandAndWritesTranscriptPictureAndDump) {
    const Outcome run = Zedrunner(WithFixture() + " " + WithPlate() + " --script '" +
                                  Sample("fixture.script").string() + "' --svg plate.svg --dump plate.dump");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Read(Golden("fixture_transcript.txt")));

    // The fixture's pick of the bottom edge left a dimension of its length and a note.
    const std::string dump = Read(work_ / "plate.dump");
    EXPECT_NE(dump.find(" dimension layer 0"), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"element 2\""), std::string::npos) << dump;
    const std::string svg = Read(work_ / "plate.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<path class=\"arc\""), std::string::npos);
    EXPECT_NE(svg.find("<line class=\"chamfer\""), std::string::npos);
    EXPECT_NE(svg.find("<path class=\"fillet\""), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"none\">96</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find(">element 2</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("stroke=\"#ff0000\""), std::string::npos);  // the circle on layer 3, colour 5
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");

    // The same inputs give the same outputs, byte for byte.
    const Outcome again = Zedrunner(WithFixture() + " " + WithPlate() + " --script '" +
                                    Sample("fixture.script").string() + "' --svg again.svg --dump again.dump");
    EXPECT_EQ(again.out, run.out);
    EXPECT_EQ(Read(work_ / "again.svg"), svg);
    EXPECT_EQ(Read(work_ / "again.dump"), dump);
}

TEST_F(ZedrunnerEndToEndTest, TheDumpIsTheHostsDumpOfTheDrawing) {
    const fs::path script = Write("nothing.script", "# no actions\n");
    const Outcome run = Zedrunner(WithFixture() + " " + WithPlate() + " --script nothing.script --dump plate.dump");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");

    emu::Reset();
    SourceError error;
    const std::optional<DrawingFile> drawing = ParseDrawing(Read(Sample("plate.drw")), "plate.drw", error);
    ASSERT_TRUE(drawing.has_value()) << error.ToString();
    ASSERT_TRUE(LoadDrawing(*drawing, "plate.drw", error).has_value()) << error.ToString();
    EXPECT_EQ(Read(work_ / "plate.dump"), emu::Dump());
    emu::Reset();
}

TEST_F(ZedrunnerEndToEndTest, MalformedInputNamesFileAndLineAndRunsNothing) {
    Write("bad.drw", "layer 0\noutline\n  line 0 0 100\nend\n");
    Outcome run = Zedrunner(WithFixture() + " --drawing bad.drw --script '" + Sample("fixture.script").string() + "'");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zedrunner: bad.drw:3: expected 4 numbers after 'line' (start x, y, end x, y)\n");
    EXPECT_EQ(run.out, "");

    Write("bad.script", "start\n\npick 1\n");
    run = Zedrunner(WithFixture() + " --script bad.script --dump never.dump");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zedrunner: bad.script:3: expected 2 numbers (x y) after 'pick'\n");
    EXPECT_FALSE(fs::exists(work_ / "never.dump"));

    // A drawing the host refuses is malformed input too.
    Write("corner.drw", "outline\n line 0 0 10 0\n fillet 20\n line 10 0 0 5\n line 0 5 0 0\nend\n");
    run = Zedrunner(WithFixture() + " --drawing corner.drw");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("zedrunner: corner.drw:3: the host cannot make a fillet of radius 20", 0), 0u) << run.err;

    run = Zedrunner(WithFixture() + " --drawing missing.drw");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zedrunner: cannot read the drawing file missing.drw\n");

    run = Zedrunner("--scrpit x");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zedrunner: unknown option '--scrpit' (see --help)\n");
    run = Zedrunner("--svg");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "zedrunner: option --svg needs a value (see --help)\n");
}

TEST_F(ZedrunnerEndToEndTest, APlugInThatCannotStartIsReported) {
    Outcome run = Zedrunner("--plugin ./nowhere.so");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("zedrunner: cannot load the plug-in ./nowhere.so (", 0), 0u) << run.err;

    // The emulated host's library is a shared library without Startup.
    const fs::path noStartup = build_ / "bin" / (std::string("libZedLib") + kLibrarySuffix);
    run = Zedrunner("--plugin '" + noStartup.string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zedrunner: the plug-in " + noStartup.string() + " exports no Startup function\n");

    run = Zedrunner(WithFixture(), "LEDGEWRIGHT_FIXTURE_FAIL_STARTUP=1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zedrunner: Startup of the plug-in " + Fixture().string() +
                           " returned -1: it could not register its command\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(ZedrunnerEndToEndTest, PointsThePlugInAtItsSettingsAndInstallationFolder) {
    Write("env.script", "start\ntype env ZED_REGISTRY_FILE\ntype env ZED_HOST_EXE\nend\n");
    const Outcome run =
        Zedrunner(WithFixture() + " --script env.script --registry settings/test.reg --install-dir zed");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string root = fs::weakly_canonical(work_).string();
    EXPECT_NE(run.out.find("prompt: ZED_REGISTRY_FILE=" + root + "/settings/test.reg\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("prompt: ZED_HOST_EXE=" + root + "/zed/bin/zed\n"), std::string::npos) << run.out;

    // Without the options the variables are left as they were.
    const Outcome plain = Zedrunner(WithFixture() + " --script env.script", "unset ZED_REGISTRY_FILE ZED_HOST_EXE;");
    EXPECT_NE(plain.out.find("prompt: ZED_REGISTRY_FILE=(unset)\n"), std::string::npos) << plain.out;
}

TEST_F(ZedrunnerEndToEndTest, LoadsTheLedgewrightLibraryBesideItByDefault) {
    // A runner copied into a folder of its own, with the fixture under the plug-in's name.
    const fs::path bin = work_ / "install" / "bin";
    fs::create_directories(bin);
    fs::copy_file(Runner(), bin / "zedrunner");
    fs::permissions(bin / "zedrunner", fs::perms::owner_exec, fs::perm_options::add);
    fs::copy_file(Fixture(), bin / (std::string("Ledgewright") + kLibrarySuffix));
    Write("end.script", "start\ntype end\n");
    const Outcome run = Execute(bin / "zedrunner", "--script end.script");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "> start\nprompt: fixture: type a text or pick an element :\n"
              "> type end\nprompt: fixture: command ended\n(command ended)\n");
}

TEST_F(ZedrunnerEndToEndTest, ThePlugInRunsTheDemoAndTheProcessEndsCleanly) {
    // The plug-in's process-wide records (the chooser and its windows among
    // them) are taken down at the end of the process without a fault.
    const fs::path examples = source_ / "runner" / "examples";
    fs::copy_file(examples / "demo.reg", work_ / "demo.reg");
    const Outcome run =
        Zedrunner("--plugin '" + (build_ / "bin" / (std::string("Ledgewright") + kLibrarySuffix)).string() +
                  "' --drawing '" + (examples / "plate.drw").string() + "' --script '" +
                  (examples / "demo.script").string() + "' --registry demo.reg");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("(command ended)"), std::string::npos) << run.out;
}

TEST_F(ZedrunnerEndToEndTest, ReadsActionsAtThePromptWithoutAScript) {
    const Outcome run = Zedrunner(WithFixture() + " " + WithPlate(), "", "start\npick 100 25\nbogus\nquit\nstart\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "> prompt: fixture: type a text or pick an element :\n"
              "> error: fixture: picked element 3 of segment 1 (segment type 0)\n"
              "(blinking: element 3)\n"
              "> (input error: unknown action 'bogus' (expected start, type, pick, pick-element, pick-dimension, "
              "pick-note, picture, end, quit or a dialog action (chooser-..., panel-..., picker-...)))\n"
              "> (the command is still running after the last action)\n");
}

TEST_F(ZedrunnerEndToEndTest, ExplainsItselfAndReportsUnwritableOutputs) {
    Outcome run = Zedrunner("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("usage: zedrunner [options]\n", 0), 0u);
    EXPECT_NE(run.out.find("--install-dir DIR"), std::string::npos);

    Write("none.script", "");
    run = Zedrunner(WithFixture() + " --script none.script --svg no/such/folder/plate.svg");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "zedrunner: cannot write the picture file no/such/folder/plate.svg\n");
}

}  // namespace
}  // namespace runner
