// A drawing for the hole tests: layers, a closed plate outline on layer 50,
// an installation folder of its own with hole masters whose every field
// differs from what the plug-in writes (so a field left unwritten shows), and
// the hole settings of the plan patterns.
#ifndef LEDGEWRIGHT_TESTS_HOLES_HOLE_FIXTURE_H
#define LEDGEWRIGHT_TESTS_HOLES_HOLE_FIXTURE_H

#include <filesystem>
#include <string>

#include "emuhost/emu_api.h"
#include "tests/support/plugin_test.h"

// The separator of the paths the plug-in builds on this system.
#if defined(_WIN32)
inline constexpr char kSeparator[] = "\\";
#else
inline constexpr char kSeparator[] = "/";
#endif

class HoleTest : public PluginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts the drawing, the plug-in's hole records, the shoulder memory and
    // the hole settings back to the start of the test; the host's call log,
    // messages and journal are emptied. Tests that run an operation many
    // times call it before each run.
    void ResetScene();

    // Points the installation folder at a folder that holds no zed_ap.
    void UseEmptyInstallationFolder();
    // The installation folder as UTF-8, and the path of a master in it.
    std::string FolderUtf8() const;
    std::string McMasterUtf8() const;
    std::string ShapedMasterUtf8() const;
    // The message box text for a missing master: the message, then the path.
    std::string McMasterMissing() const;
    std::string ShapedMasterMissing() const;

    // A closed outline of the plate on a layer, 40 × 20 from the origin.
    static ZedId AddPlate(int layer);

    // The current hole, its shape and the centre of its circle.
    static ZedId CurrentHole();
    static ZedHoleShape ShapeOf(ZedId hole);
    static ZedPoint CircleCentreOf(ZedId hole);
    static double CircleRadiusOf(ZedId hole);

    // A shoulder whose first side lies in a segment of its own on layer 50,
    // so that re-making a hole re-tags that segment. Returns the segment.
    static ZedId RememberAShoulder();

    // UTF-8 of the host's text.
    static std::string Utf8(const ZedChar* text) { return emu::ToUtf8(text); }

    ZedId plate_ = -1;  // the plate outline, on layer 50

private:
    std::filesystem::path folder_;
    std::filesystem::path emptyFolder_;
};

#endif  // LEDGEWRIGHT_TESTS_HOLES_HOLE_FIXTURE_H
