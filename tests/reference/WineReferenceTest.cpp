// The raster device against the platform's own 2D calls: every case of
// Cases.txt is drawn by ReferenceDraw.exe under Wine and by the device, and
// the pixels are compared. Exact cases must match pixel for pixel; a case
// marked "within N" may differ in at most N pixels.

#include "ReferenceCases.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

const std::vector<TReferenceCase>& Cases()
{
    static const std::vector<TReferenceCase> cases = LoadReferenceCases(KMITY_REFERENCE_CASES);
    return cases;
}

// The reference's pixels, 0x00RRGGBB, case after case; drawn once.
const std::vector<uint32_t>& ReferencePixels()
{
    static const std::vector<uint32_t> pixels = [] {
        const QString output = QStringLiteral(KMITY_REFERENCE_OUTPUT);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("WINEPREFIX", QStringLiteral(KMITY_WINE_PREFIX));
        env.insert("WINEDEBUG", "-all");
        env.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");
        env.remove("DISPLAY");
        QProcess wine;
        wine.setProcessEnvironment(env);
        wine.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        wine.start(QStringLiteral(KMITY_WINE),
                   {QStringLiteral(KMITY_REFERENCE_EXE), QStringLiteral(KMITY_REFERENCE_CASES), output});
        // The first start creates the Wine prefix, which takes a while.
        const bool finished = wine.waitForFinished(300000);
        std::vector<uint32_t> all;
        if (!finished || wine.exitCode() != 0)
            return all;
        std::ifstream in(output.toStdString(), std::ios::binary);
        uint32_t word = 0;
        while (in.read(reinterpret_cast<char*>(&word), sizeof word))
            all.push_back(word);
        return all;
    }();
    return pixels;
}

struct TDifference {
    int Count = 0;
    std::string Picture; // reference | device, '.' white, '#' ink, '*' differing in the device column
};

TDifference Compare(const uint32_t* reference, const TImage& device)
{
    TDifference d;
    std::ostringstream picture;
    for (int y = 0; y < kReferenceSide; ++y) {
        std::string left;
        std::string right;
        for (int x = 0; x < kReferenceSide; ++x) {
            const uint32_t want = reference[y * kReferenceSide + x] & 0xFFFFFFu;
            const uint32_t got = device.Pixel(x, y) & 0xFFFFFFu;
            left += want == 0xFFFFFFu ? '.' : '#';
            right += got == want ? (got == 0xFFFFFFu ? '.' : '#') : '*';
            d.Count += got == want ? 0 : 1;
        }
        picture << left << "  " << right << '\n';
    }
    d.Picture = picture.str();
    return d;
}

class WineReference : public testing::TestWithParam<size_t> {};

TEST_P(WineReference, DeviceDrawsAsThePlatform)
{
    const TReferenceCase& drawing = Cases()[GetParam()];
    const std::vector<uint32_t>& pixels = ReferencePixels();
    const size_t side = kReferenceSide * kReferenceSide;
    ASSERT_EQ(pixels.size(), Cases().size() * side) << "the reference program did not draw every case";
    const TDifference d = Compare(pixels.data() + GetParam() * side, DrawWithDevice(drawing));
    if (drawing.Allowed > 0 || d.Count > 0)
        std::cout << "[ differing ] " << drawing.Name << ": " << d.Count << " (allowed " << drawing.Allowed << ")\n";
    EXPECT_LE(d.Count, drawing.Allowed) << drawing.Name << " (reference left, device right, * differs)\n" << d.Picture;
}

std::string CaseName(const testing::TestParamInfo<size_t>& info)
{
    std::string name = std::to_string(info.param) + "_";
    for (char c : Cases()[info.param].Name)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, WineReference, testing::Range<size_t>(0, Cases().size()), CaseName);

} // namespace
