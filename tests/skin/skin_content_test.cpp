// The committed skin in resources/skins: complete, consistent between its layouts and images,
// and the same layout in both languages.
#include "skin/region_from_mask.h"
#include "skin/skin_images.h"
#include "skin/skin_loader.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zantor::skin {
namespace {

const AppPaths kHome{std::string(ZANTOR_SOURCE_DIR) + "/resources"};
constexpr int kKorean = 0, kEnglish = 1;

QImage image(std::string_view name) {
    return QImage(QString::fromStdString(skinImagePath(kHome, name)))
        .convertToFormat(QImage::Format_RGB32);
}

QRect qrect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

std::vector<int> range(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

std::vector<int> joined(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> v;
    for (const auto& p : parts)
        v.insert(v.end(), p.begin(), p.end());
    return v;
}

// The entries each page acts on or draws from.
const std::vector<int> kMainUsed = joined(
    {range(0, 0), range(2, 25), range(32, 33), range(41, 52), range(60, 137), range(138, 143)});
const std::vector<int> kColorUsed = joined({range(0, 16), range(18, 18), range(32, 32)});
const std::vector<int> kAdvancedUsed = joined({range(0, 27), range(30, 37), range(52, 52)});
// Frame entries that need a caption (12 and 13 are drawn as symbols).
const std::vector<int> kFrameCaptioned = joined({range(0, 0), range(2, 11), range(14, 19)});

struct Layouts {
    SkinLayout english, korean;
};

const Layouts& layouts() {
    static const Layouts loaded = [] {
        Layouts l;
        profile::ProfileStore store;
        EXPECT_TRUE(LoadSkinLayouts(l.english, store, kHome, kEnglish));
        EXPECT_TRUE(LoadSkinLayouts(l.korean, store, kHome, kKorean));
        return l;
    }();
    return loaded;
}

template <std::size_t N>
void expectUsed(const std::array<SkinButton, N>& table, const std::vector<int>& used,
                const QRegion& window) {
    for (int i : used) {
        SCOPED_TRACE(i);
        const Rect r = table[static_cast<std::size_t>(i)].rect();
        EXPECT_FALSE(r.empty());
        EXPECT_TRUE(QRegion(qrect(r)).subtracted(window).isEmpty()) << "outside the window";
    }
}

TEST(CommittedSkin, EveryEntryThePagesUseHasARectangleInsideTheWindow) {
    const QRegion window = RegionFromMask(image(image::kMainMask));
    const QRegion warning = RegionFromMask(image(image::kWarningMask));
    for (const SkinLayout* l : {&layouts().english, &layouts().korean}) {
        SCOPED_TRACE(l == &layouts().english ? "English" : "Korean");
        expectUsed(l->mainButtons, kMainUsed, window);
        expectUsed(l->colorButtons, kColorUsed, window);
        expectUsed(l->advanceButtons, kAdvancedUsed, window);
        expectUsed(l->warningButtons, range(0, 2), warning);
        for (const SkinRect* r :
             {&l->editRect2, &l->editRect3, &l->editRect4, &l->listRect1, &l->listRect2}) {
            EXPECT_FALSE(r->rect.empty());
            EXPECT_TRUE(QRegion(qrect(r->rect)).subtracted(window).isEmpty());
        }
        for (std::size_t k = 0; k < l->functionNames.size(); ++k)
            EXPECT_FALSE(l->functionNames[k].empty()) << "function " << k + 1;
        for (int i : kFrameCaptioned)
            EXPECT_FALSE(l->mainButtons[static_cast<std::size_t>(i)].caption.empty()) << i;
        for (const SkinButton& b : l->warningButtons)
            EXPECT_FALSE(b.caption.empty());
    }
}

TEST(CommittedSkin, BothLanguagesShareOneLayoutButNotTheirTexts) {
    const SkinLayout& en = layouts().english;
    const SkinLayout& ko = layouts().korean;
    const auto sameRects = [](const auto& a, const auto& b) {
        for (std::size_t i = 0; i < a.size(); ++i)
            EXPECT_EQ(a[i].rect(), b[i].rect()) << "entry " << i;
    };
    sameRects(en.mainButtons, ko.mainButtons);
    sameRects(en.colorButtons, ko.colorButtons);
    sameRects(en.advanceButtons, ko.advanceButtons);
    sameRects(en.warningButtons, ko.warningButtons);
    EXPECT_EQ(en.listRect2.rect, ko.listRect2.rect);
    EXPECT_EQ(en.functionNames[0], "Left Click");
    EXPECT_EQ(ko.functionNames[0], "왼쪽 클릭");
    for (std::size_t k = 0; k < en.functionNames.size(); ++k)
        EXPECT_NE(en.functionNames[k], ko.functionNames[k]) << "function " << k + 1;
    EXPECT_NE(en.warningButtons[2].caption, ko.warningButtons[2].caption);
}

// The window's repaint region removes the four control rectangles by exclusive-or: they must
// not overlap each other, nor cover a hot spot; the six mouse parts must not overlap either.
TEST(CommittedSkin, ControlRectanglesAndMousePartsDoNotOverlap) {
    const SkinLayout& l = layouts().english;
    const std::vector<Rect> controls{l.editRect2.rect, l.editRect3.rect, l.editRect4.rect,
                                     l.listRect1.rect, l.listRect2.rect};
    const auto overlap = [](const Rect& a, const Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(overlap(controls[i], controls[j])) << i << " " << j;
        for (const SkinButton& b : l.advanceButtons)
            EXPECT_FALSE(overlap(controls[i], b.rect())) << "control " << i;
    }
    for (int a = 138; a <= 143; ++a)
        for (int b = a + 1; b <= 143; ++b)
            EXPECT_FALSE(overlap(l.mainButtons[a].rect(), l.mainButtons[b].rect()))
                << a << " " << b;
}

TEST(CommittedSkin, MasksCutAwayCornersAndKeepTheBody) {
    struct Case {
        std::string_view mask;
        QPoint point;
        bool inside;
    } cases[] = {
        {image::kMainMask, {0, 0}, false},     {image::kMainMask, {5, 5}, false},
        {image::kMainMask, {799, 0}, false},   {image::kMainMask, {799, 599}, false},
        {image::kMainMask, {788, 594}, false}, {image::kMainMask, {0, 599}, false},
        {image::kMainMask, {20, 20}, true},    {image::kMainMask, {400, 300}, true},
        {image::kMainMask, {0, 300}, true},    {image::kMainMask, {799, 300}, true},
        {image::kMainMask, {400, 0}, true},    {image::kMainMask, {400, 599}, true},
        {image::kWarningMask, {0, 0}, false},  {image::kWarningMask, {459, 149}, false},
        {image::kWarningMask, {459, 0}, true}, {image::kWarningMask, {230, 75}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + std::to_string(c.point.x()) + "," +
                     std::to_string(c.point.y()));
        EXPECT_EQ(RegionFromMask(image(c.mask)).contains(c.point), c.inside);
    }
    EXPECT_EQ(RegionFromMask(image(image::kMainMask)).boundingRect(), QRect(0, 0, 800, 600));
}

TEST(CommittedSkin, ImagesOfOneWindowShareTheMaskSizeAndMenusHaveWholeRows) {
    const QSize main = image(image::kMainMask).size();
    for (const PageImages& page : kPageImages)
        for (std::string_view name : {page.normal, page.over, page.down})
            EXPECT_EQ(image(name).size(), main) << name;
    for (std::string_view name : kPreviewColourImages)
        EXPECT_EQ(image(name).size(), main) << name;

    const QSize menu = image(image::kMenuMask).size();
    const QSize sub = image(image::kSubMenuMask).size();
    const int row = menu.height() / kMenuRows;
    EXPECT_EQ(sub.height() / kSubMenuRows, row) << "the menus' rows must line up";
    EXPECT_LE(menu.width(), 300);
    EXPECT_LE(kMenuRows * row + 1, 300);
    EXPECT_LE(sub.width(), 300);
    EXPECT_LE(kSubMenuRows * row + 1, 400);
    for (std::string_view name : {image::kMenuNormal, image::kMenuOver, image::kMenuDown})
        EXPECT_EQ(image(name).size(), menu) << name;
    for (std::string_view name : {image::kSubMenuNormal, image::kSubMenuOver, image::kSubMenuDown})
        EXPECT_EQ(image(name).size(), sub) << name;
    const QSize warning = image(image::kWarningMask).size();
    EXPECT_EQ(image(image::kWarningNormal).size(), warning);
    EXPECT_EQ(image(image::kWarningOver).size(), warning);
}

// Share of the pixels of `r` that differ by more than 24 levels in some component.
double changed(const QImage& a, const QImage& b, const Rect& r) {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            count += std::abs(qRed(p) - qRed(q)) > 24 || std::abs(qGreen(p) - qGreen(q)) > 24 ||
                     std::abs(qBlue(p) - qBlue(q)) > 24;
        }
    return double(count) / ((r.right - r.left) * (r.bottom - r.top));
}

// Every hot spot looks different under the pointer, and again when pressed or chosen.
TEST(CommittedSkin, HoverAndPressedLooksAreVisiblyDifferent) {
    const SkinLayout& l = layouts().english;
    struct Page {
        const char* name;
        PageImages images;
        std::vector<std::pair<const SkinButton*, bool>> entries; // entry, pressed look differs
    };
    std::vector<Page> pages(3);
    pages[0] = {"main", kPageImages[0], {}};
    pages[1] = {"advanced", kPageImages[1], {}};
    pages[2] = {"color", kPageImages[2], {}};
    for (int i : joined({range(0, 0), range(2, 19), range(20, 25), range(32, 33), range(47, 52),
                         range(60, 137)}))
        pages[0].entries.push_back({&l.mainButtons[i], true});
    for (int i : range(138, 143))
        pages[0].entries.push_back({&l.mainButtons[i], false}); // lit in both
    for (int i : joined({range(0, 27), range(30, 32), range(34, 37)}))
        pages[1].entries.push_back({&l.advanceButtons[i], true});
    for (int i : range(0, 16))
        pages[2].entries.push_back({&l.colorButtons[i], true});

    for (const Page& page : pages) {
        const QImage normal = image(page.images.normal), over = image(page.images.over),
                     down = image(page.images.down);
        for (const auto& [entry, pressedDiffers] : page.entries) {
            SCOPED_TRACE(std::string(page.name) + " entry at " + std::to_string(entry->x) + "," +
                         std::to_string(entry->y));
            EXPECT_GT(changed(normal, over, entry->rect()), 0.08);
            if (pressedDiffers) {
                EXPECT_GT(changed(over, down, entry->rect()), 0.08);
            }
        }
    }
}

TEST(CommittedSkin, LightingPreviewHasADifferentPictureForEveryColour) {
    const SkinLayout& l = layouts().english;
    const Rect preview = l.colorButtons[32].rect();
    std::vector<std::string_view> pictures(kPreviewColourImages.begin(),
                                           kPreviewColourImages.end());
    pictures.push_back(kPreviewOffImage);
    for (std::size_t a = 0; a < pictures.size(); ++a)
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(changed(image(pictures[a]), image(pictures[b]), preview), 0.01)
                << pictures[a] << " " << pictures[b];
    // Outside the preview the extra colour pictures are the page at rest.
    for (std::string_view name : {image::kColorPink, image::kColorWhite})
        EXPECT_EQ(changed(image(name), image(kPreviewOffImage), l.colorButtons[7].rect()), 0.0);
}

} // namespace
} // namespace zantor::skin
