// DXF in and out of the runner: every example drawing survives a round trip
// through DXF, plates written by other programs are read and built on, and bad
// files are turned away before anything runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "emuhost/emu_api.h"
#include "runner/converter_process.h"
#include "runner/drawing_file.h"
#include "runner/drawing_loader.h"
#include "runner/dxf_files.h"
#include "runner/text_files.h"
#include "tests/runner/program_test_support.h"

namespace runner {
namespace {

namespace fs = std::filesystem;

using runner_test::Environment;
using runner_test::Outcome;
using runner_test::Read;

// The drawing as the host holds it, with corners as the plain arcs and lines
// they are: what a round trip through DXF must keep.
struct Figure {
    int kind = 0;  // ZED_FIG_LINE, ZED_FIG_ARC or ZED_FIG_CIRCLE
    std::vector<double> values;
    bool clockwise = false;
    int colour = 0, lineType = 0;
};
struct Shape {
    int layer = 0;
    bool closed = false;
    std::vector<Figure> figures;
};
struct HostDrawing {
    std::string layers;  // the dump's layer lines and current layer
    std::vector<Shape> shapes;
};

HostDrawing TakeDrawing() {
    HostDrawing drawing;
    const std::string dump = emu::Dump();
    for (size_t at = 0; at < dump.size();) {
        const size_t end = dump.find('\n', at);
        const std::string line = dump.substr(at, end - at);
        if (line.rfind("layer ", 0) == 0 || line.rfind("current layer", 0) == 0) {
            drawing.layers += line + "\n";
        }
        at = end == std::string::npos ? dump.size() : end + 1;
    }
    for (ZedId segment : emu::SegmentIds()) {
        Shape shape{emu::SegmentLayer(segment), emu::SegmentClosed(segment), {}};
        for (ZedId element : emu::Chain(segment)) {
            const ZedFigure f = emu::FigureOf(element);
            const bool reversed = emu::StoredReversed(element);
            Figure figure;
            figure.colour = emu::AttributesOf(element).colour;
            figure.lineType = emu::AttributesOf(element).lineType;
            if (f.kind == ZED_FIG_LINE || f.kind == ZED_FIG_CHAMFER) {
                figure.kind = ZED_FIG_LINE;
                figure.values = reversed ? std::vector<double>{f.v[2], f.v[3], f.v[0], f.v[1]}
                                         : std::vector<double>{f.v[0], f.v[1], f.v[2], f.v[3]};
            } else if (f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET) {
                figure.kind = ZED_FIG_ARC;
                figure.values = reversed ? std::vector<double>{f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3]}
                                         : std::vector<double>{f.v[0], f.v[1], f.v[2], f.v[3], f.v[4], f.v[5]};
                figure.clockwise = (emu::ArcFlag(f) == ZED_ARC_CW) != reversed;
            } else {
                figure.kind = f.kind;
                figure.values = {f.v[0], f.v[1], f.v[6]};
            }
            shape.figures.push_back(figure);
        }
        drawing.shapes.push_back(shape);
    }
    return drawing;
}

void ExpectSameDrawing(const HostDrawing& before, const HostDrawing& after) {
    EXPECT_EQ(after.layers, before.layers);
    ASSERT_EQ(after.shapes.size(), before.shapes.size());
    for (size_t s = 0; s < before.shapes.size(); ++s) {
        const Shape &a = before.shapes[s], &b = after.shapes[s];
        SCOPED_TRACE("shape " + std::to_string(s + 1));
        EXPECT_EQ(b.layer, a.layer);
        EXPECT_EQ(b.closed, a.closed);
        ASSERT_EQ(b.figures.size(), a.figures.size());
        for (size_t k = 0; k < a.figures.size(); ++k) {
            SCOPED_TRACE("element " + std::to_string(k + 1));
            EXPECT_EQ(b.figures[k].kind, a.figures[k].kind);
            EXPECT_EQ(b.figures[k].clockwise, a.figures[k].clockwise);
            EXPECT_EQ(b.figures[k].colour, a.figures[k].colour);
            EXPECT_EQ(b.figures[k].lineType, a.figures[k].lineType);
            ASSERT_EQ(b.figures[k].values.size(), a.figures[k].values.size());
            for (size_t v = 0; v < a.figures[k].values.size(); ++v) {
                EXPECT_NEAR(b.figures[k].values[v], a.figures[k].values[v], 1e-9) << "value " << v;
            }
        }
    }
}

class DxfTest : public testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "the DXF converter runs beside the Linux runner only";
#else
        build_ = Environment("LEDGEWRIGHT_BUILD_DIR");
        source_ = Environment("LEDGEWRIGHT_SOURCE_DIR");
        ASSERT_FALSE(build_.empty() || source_.empty()) << "LEDGEWRIGHT_BUILD_DIR and LEDGEWRIGHT_SOURCE_DIR";
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        work_ = fs::path(testing::TempDir()) / ("dxf_" + name + "_" + std::to_string(getpid()));
        fs::remove_all(work_);
        fs::create_directories(work_);
        converter_ = ConverterBeside(PathToUtf8(build_ / "bin"));
#endif
    }
    void TearDown() override {
        if (!work_.empty()) {
            fs::remove_all(work_);
        }
    }

    fs::path Plate(const std::string& name) const { return source_ / "tests" / "runner" / "data" / "dxf" / name; }

    fs::path Write(const std::string& name, const std::string& bytes) const {
        const fs::path path = work_ / name;
        EXPECT_TRUE(WriteTextFile(PathToUtf8(path), bytes));
        return path;
    }

    // zedrunner in the work folder, with the Ledgewright plug-in beside it.
    Outcome Zedrunner(const std::vector<std::string>& arguments) const {
        std::string command = "cd '" + work_.string() + "' && '" + (build_ / "bin" / "zedrunner").string() + "'";
        for (const std::string& argument : arguments) {
            command += " '" + argument + "'";
        }
        command += " </dev/null >out.txt 2>err.txt";
        Outcome run;
        const int status = std::system(command.c_str());
#ifndef _WIN32
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
        run.status = status;
#endif
        run.out = Read(work_ / "out.txt");
        run.err = Read(work_ / "err.txt");
        return run;
    }

    // ezdxf's own verdict on a file: "" when it opens and its audit finds no error.
    std::string AuditProblems(const fs::path& path) const {
        const ProcessResult run = RunProcess(
            converter_.python, {"-c",
                                "import sys, ezdxf\n"
                                "auditor = ezdxf.readfile(sys.argv[1]).audit()\n"
                                "print('\\n'.join(e.message for e in auditor.errors))\n"
                                "sys.exit(1 if auditor.has_errors else 0)\n",
                                path.string()});
        return run.started && run.status == 0 ? "" : run.problem + run.out + run.err;
    }

    // The lines, arcs and circles of the drawing (corners included), from its dump.
    int FigureCount(const fs::path& dump) const {
        const std::string text = Read(dump);
        int count = 0;
        for (size_t at = text.find("\n  element "); at != std::string::npos; at = text.find("\n  element ", at + 1)) {
            const size_t kind = text.find(' ', text.find_first_not_of("0123456789", at + 11)) + 1;
            for (const char* figure : {"line ", "arc ", "circle ", "fillet ", "chamfer "}) {
                count += text.compare(kind, std::string(figure).size(), figure) == 0 ? 1 : 0;
            }
        }
        return count;
    }

    fs::path build_, source_, work_;
    DxfConverter converter_;
};

TEST_F(DxfTest, EveryExampleDrawingComesBackFromDxfAsItWas) {
    int examples = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(source_ / "runner" / "examples")) {
        if (entry.path().extension() != ".drw") {
            continue;
        }
        ++examples;
        SCOPED_TRACE(entry.path().filename().string());
        SourceError error;
        const std::optional<DrawingFile> original = ParseDrawing(Read(entry.path()), "example", error);
        ASSERT_TRUE(original) << error.ToString();
        emu::Reset();
        ASSERT_TRUE(LoadDrawing(*original, "example", error)) << error.ToString();
        const HostDrawing before = TakeDrawing();

        const fs::path dxf = work_ / (entry.path().stem().string() + ".dxf");
        std::string problem;
        std::vector<std::string> notes;
        ASSERT_TRUE(WriteDrawingAsDxf(converter_, PathToUtf8(dxf), notes, problem)) << problem;
        EXPECT_TRUE(notes.empty()) << notes.front();
        EXPECT_EQ(AuditProblems(dxf), "");

        const std::optional<std::string> text = ReadDxfAsDrawing(converter_, PathToUtf8(dxf), 1e-6, notes, problem);
        ASSERT_TRUE(text) << problem;
        EXPECT_TRUE(notes.empty()) << notes.front();
        const std::optional<DrawingFile> back = ParseDrawing(*text, "back", error);
        ASSERT_TRUE(back) << error.ToString() << "\n" << *text;
        emu::Reset();
        ASSERT_TRUE(LoadDrawing(*back, "back", error)) << error.ToString();
        ExpectSameDrawing(before, TakeDrawing());
    }
    EXPECT_GE(examples, 5);
}

// Plates from other programs (tests/runner/data/dxf/README.md): read, a plan
// pattern A shoulder raised on an edge, the result written as DXF that ezdxf
// opens with a clean audit and the runner reads again.
struct ForeignPlate {
    const char* file;
    const char* pick;      // "" to read and write the plate without a command
    const char* settings;  // registry lines under the plug-in's key
};
const ForeignPlate kForeignPlates[] = {
    // An AutoCAD 2.x (AC1003) bracket in inches: loose lines and arcs, a small shoulder.
    {"autocad_ac1003_bracket.dxf", "pick 1.75 1.5",
     "\"mMainProtrude\"=\"0.2\"\n\"mMainWidth\"=\"1.0\"\n\"PA_HoleWidth\"=\"0.1\"\n\"PA_HoleLayer\"=\"0\"\n"},
    // A closed LWPOLYLINE with bulges at survey coordinates, in a file of entities alone.
    {"gdal_closed_polyline_with_bulge.dxf", "pick 40585261.65 3433951.84", "\"PA_HoleLayer\"=\"0\"\n"},
    // A closed 2-D POLYLINE of arcs alone, with a repeated vertex and CRLF line ends.
    {"gdal_polyline_smooth.dxf", "", ""},
};

TEST_F(DxfTest, PlatesFromOtherProgramsAreReadBuiltOnAndWrittenBack) {
    for (const ForeignPlate& plate : kForeignPlates) {
        SCOPED_TRACE(plate.file);
        const std::string drawing = Plate(plate.file).string();
        const Outcome read = Zedrunner({"--drawing", drawing, "--script", Write("none.script", "").string(),
                                        "--dump", "before.dump"});
        ASSERT_EQ(read.status, 0) << read.err;
        const bool build = *plate.pick != '\0';
        Write("settings.reg", std::string("Windows Registry Editor Version 5.00\n\n"
                                          "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n") +
                                  plate.settings);
        // The command still runs at the end, so the DXF holds its temporary dimensions and notes too.
        const std::string script = build ? std::string("start\ntype PlaneA\n") + plate.pick + "\n" : "";
        const Outcome run = Zedrunner({"--drawing", drawing, "--script", Write("plate.script", script).string(),
                                       "--registry", (work_ / "settings.reg").string(), "--dump", "after.dump",
                                       "--dxf", "result.dxf"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find("error: "), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("message box: "), std::string::npos) << run.out;
        if (build) {
            // The shoulder's lines joined the outline.
            EXPECT_GT(FigureCount(work_ / "after.dump"), FigureCount(work_ / "before.dump")) << run.out;
        }
        EXPECT_EQ(AuditProblems(work_ / "result.dxf"), "");
        const Outcome again = Zedrunner({"--drawing", "result.dxf", "--script", "none.script", "--dump", "again.dump"});
        EXPECT_EQ(again.status, 0) << again.err;
        if (build) {
            EXPECT_NE(again.err.find("not read: DIMENSION (handle "), std::string::npos) << again.err;
            EXPECT_NE(again.err.find("not read: LEADER (handle "), std::string::npos) << again.err;
        }
        EXPECT_EQ(FigureCount(work_ / "again.dump"), FigureCount(work_ / "after.dump"));
    }
}

// A DXF of entities alone.
std::string Entities(const std::string& body) { return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n"; }
std::string Line(const std::string& handle, const std::string& x1, const std::string& y1, const std::string& x2,
                 const std::string& y2) {
    return "0\nLINE\n5\n" + handle + "\n8\nPlate\n10\n" + x1 + "\n20\n" + y1 + "\n11\n" + x2 + "\n21\n" + y2 + "\n";
}
// A square of four lines on layer Plate, the second and fourth drawn the other
// way round, with a gap of `gap` at each corner.
std::string Square(double gap) {
    const std::string g = std::to_string(gap), h = std::to_string(100 - gap);
    return Line("A1", "0", "0", h, "0") + Line("A2", "100", "100", "100", g) + Line("A3", "100", "100", g, "100") +
           Line("A4", "0", "0", "0", h);
}
const std::string kFace = "0\n3DFACE\n5\nB1\n8\nCurves\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n31\n0\n12\n1\n22\n1\n32\n5\n";
const std::string kWholeTurn = "0\nARC\n5\nB4\n8\nPlate\n10\n5\n20\n5\n40\n2\n50\n0\n51\n360\n";
const std::string kTiltedCircle = "0\nCIRCLE\n5\nB2\n8\nPlate\n10\n5\n20\n5\n40\n2\n210\n0\n220\n0.6\n230\n0.8\n";
std::string Vertex(const char* x, const char* y) { return std::string("0\nVERTEX\n8\nPlate\n10\n") + x + "\n20\n" + y + "\n"; }
const std::string kBowTie = "0\nPOLYLINE\n5\nC1\n8\nPlate\n66\n1\n70\n1\n" + Vertex("200", "0") + Vertex("300", "100") +
                            Vertex("300", "0") + Vertex("200", "100") + "0\nSEQEND\n";

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> options;
    int status;
    std::vector<std::string> said;   // on standard error, in this order
    std::vector<std::string> dumps;  // in the dump of the drawing read
};

TEST_F(DxfTest, ReadsWhatItCanReportsTheRestAndRefusesBadFiles) {
    const std::string plateDxf = Read(Plate("gdal_closed_polyline_with_bulge.dxf"));
    const ReadCase cases[] = {
        {"joined within the tolerance", Entities(Square(0.001)), {"--dxf-tolerance", "0.01"}, 0, {},
         {"segment 1 figure layer 1 closed\n  element 2 line (0.000000, 0.000000) -> (100.000000, 0.000000);",
          "element 3 line (100.000000, 100.000000) -> (100.000000, 0.000000) stored reversed;",
          "element 5 line (0.000000, 0.000000) -> (0.000000, 100.000000) stored reversed;"}},
        {"left open beyond it", Entities(Square(0.001)), {}, 0, {}, {"segment 4 figure layer 1 open"}},
        {"the rest read", Entities(Square(0) + kFace + kTiltedCircle + kWholeTurn + Line("B3", "5", "5", "5.0000001", "5") + kBowTie),
         {}, 0,
         {"not read: 3DFACE (handle B1, layer Curves)", "not read: CIRCLE (handle B2, layer Plate): a circle in 3-D",
          "not read: ARC (handle B4, layer Plate): an arc that ends where it starts",
          "not read: LINE (handle B3, layer Plate): a line of no length",
          "not read: POLYLINE (handle C1, layer Plate): a closed "
                                                        "outline that crosses itself"},
         {"segment 1 figure layer 1 closed", "layer 1 visible 1 detect 1 colour 0 name \"Plate\""}},
        {"cut short", plateDxf.substr(0, plateDxf.size() / 2), {}, 2, {"the DXF file is cut short (it has no EOF)"}, {}},
        {"cut before its end", plateDxf.substr(0, plateDxf.rfind("EOF")), {}, 2, {"cut short"}, {}},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18), {}, 2, {"not a DXF file"}, {}},
        {"text that is not DXF", "solid plate\nfacet normal 0 0 1\n", {}, 2, {"not a DXF file"}, {}},
        {"a broken structure", Entities("0\nLINE\n8\n0\n10\nabc\n20\n0\n11\n1\n21\n1\n"), {}, 2,
         {"not a readable DXF file (Invalid floating point values"}, {}},
        {"nothing it can take", Read(Plate("gdal_entities_only.dxf")), {}, 2,
         {"not read: POINT (handle", "layer POINTS", "nothing the runner can take"}, {}},
        {"huge coordinates", Entities(Square(0) + Line("D1", "0", "0", "1e300", "5")), {}, 2,
         {"LINE (handle D1, layer Plate) lies beyond 1e+09 of the origin"}, {}},
        {"not a number", Entities(Line("E1", "0", "0", "nan", "5")), {}, 2, {"LINE (handle E1, layer Plate) lies"}, {}},
    };
    for (const ReadCase& row : cases) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> arguments{"--drawing", Write("plate.dxf", row.bytes).string(), "--script",
                                           Write("start.script", "start\n").string(), "--dump", "read.dump"};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        fs::remove(work_ / "read.dump");
        const Outcome run = Zedrunner(arguments);
        EXPECT_EQ(run.status, row.status) << run.err;
        size_t at = 0;
        for (const std::string& text : row.said) {
            at = run.err.find(text, at);
            ASSERT_NE(at, std::string::npos) << text << "\n" << run.err;
        }
        if (row.status != 0) {
            EXPECT_EQ(run.out, "");  // nothing ran
            EXPECT_FALSE(fs::exists(work_ / "read.dump"));
            EXPECT_EQ(run.err.find("Traceback"), std::string::npos) << run.err;
        }
        const std::string dump = Read(work_ / "read.dump");
        for (const std::string& text : row.dumps) {
            EXPECT_NE(dump.find(text), std::string::npos) << text << "\n" << dump;
        }
    }
}

TEST_F(DxfTest, AnUnwritableDxfIsReportedWithStatusOne) {
    const Outcome run = Zedrunner({"--script", Write("none.script", "").string(), "--dxf", "no/such/folder/a.dxf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("zedrunner: cannot write the DXF file no/such/folder/a.dxf: ", 0), 0u) << run.err;
}

}  // namespace
}  // namespace runner
