#include "skin_description.h"
#include "skin_generator.h"

#include "skin/region_from_mask.h"
#include "skin/skin_images.h"
#include "support/temp_home.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

namespace zantor::skingen {
namespace {

namespace fs = std::filesystem;

const std::string kCommitted = std::string(ZANTOR_SOURCE_DIR) + "/resources/skins";

// Every file of a skins folder, by path relative to it; the configuration folder is not skin.
std::set<std::string> skinFiles(const std::string& dir) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        const std::string rel = fs::relative(entry.path(), dir).string();
        if (entry.is_regular_file() && !rel.starts_with("config/"))
            files.insert(rel);
    }
    return files;
}

QImage decode(const std::string& path) {
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

class SkinGeneratorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        out_ = new test::TempDir;
        QProcess generator;
        generator.start(ZANTOR_SKIN_GENERATOR, {QString::fromStdString(out_->path())});
        ASSERT_TRUE(generator.waitForFinished(120000));
        ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    }
    static void TearDownTestSuite() {
        delete out_;
        out_ = nullptr;
    }
    static test::TempDir* out_;
};
test::TempDir* SkinGeneratorTest::out_ = nullptr;

TEST_F(SkinGeneratorTest, WritesExactlyTheCommittedFiles) {
    const std::set<std::string> generated = skinFiles(out_->path());
    EXPECT_EQ(generated, skinFiles(kCommitted));
    EXPECT_EQ(generated.size(), 8u + skin::kSkinImages.size());
}

TEST_F(SkinGeneratorTest, ReproducesTheCommittedLayoutFilesByteForByte) {
    for (const std::string& file : skinFiles(out_->path())) {
        if (!file.ends_with(".ini"))
            continue;
        SCOPED_TRACE(file);
        EXPECT_EQ(test::readFile(out_->path() + "/" + file),
                  test::readFile(kCommitted + "/" + file));
    }
}

// JPEG bytes depend on the encoder library and glyphs on the font renderer, so images are
// compared decoded: the same size, and almost every pixel within a few levels.
TEST_F(SkinGeneratorTest, ReproducesTheCommittedImages) {
    for (std::string_view name : skin::kSkinImages) {
        SCOPED_TRACE(std::string(name));
        const QImage generated = decode(out_->path() + "/" + std::string(name));
        const QImage committed = decode(kCommitted + "/" + std::string(name));
        ASSERT_FALSE(generated.isNull());
        ASSERT_EQ(generated.size(), committed.size());
        long long differing = 0;
        double total = 0;
        for (int y = 0; y < generated.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(generated.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(committed.constScanLine(y));
            for (int x = 0; x < generated.width(); ++x) {
                const int d = std::max({std::abs(qRed(a[x]) - qRed(b[x])),
                                        std::abs(qGreen(a[x]) - qGreen(b[x])),
                                        std::abs(qBlue(a[x]) - qBlue(b[x]))});
                total += d;
                differing += d > 12;
            }
        }
        const double pixels = double(generated.width()) * generated.height();
        EXPECT_LT(total / pixels, 0.5);
        EXPECT_LE(differing / pixels, 0.001);
    }
}

// The masks keep their exact outline through JPEG compression.
TEST_F(SkinGeneratorTest, CommittedMasksGiveExactlyTheDrawnOutline) {
    const auto images = renderSkinImages(skinDescription());
    for (std::string_view name : {skin::image::kMainMask, skin::image::kWarningMask}) {
        SCOPED_TRACE(std::string(name));
        const auto drawn = std::find_if(images.begin(), images.end(),
                                        [name](const SkinImage& i) { return i.name == name; });
        ASSERT_NE(drawn, images.end());
        const QRegion lossless = skin::RegionFromMask(drawn->image);
        const QRegion committed =
            skin::RegionFromMask(decode(kCommitted + "/" + std::string(name)));
        EXPECT_FALSE(lossless.isEmpty());
        EXPECT_TRUE(lossless.xored(committed).isEmpty());
    }
}

} // namespace
} // namespace zantor::skingen
