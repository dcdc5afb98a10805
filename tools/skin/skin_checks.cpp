#include "skin_checks.h"

#include "skin_painter.h"

#include "skin/region_from_mask.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QRegion>

#include <algorithm>
#include <set>
#include <string_view>

namespace zantor::skingen {
namespace {

constexpr int kEnglish = 1;
constexpr int kKorean = 0;

std::string name(const Entry& e) {
    return "entry " + std::to_string(e.index) + " (" + e.role + ")";
}

// The window fonts: SmallFont for captions and menus, LargeFont for the warning window.
QFont windowFont(int language, bool large) {
    QFont font;
    if (language == kKorean)
        font.setFamilies({"微软雅黑", "Noto Sans CJK KR"});
    else
        font.setFamilies({"Arial"});
    font.setPointSizeF(language == kKorean ? (large ? 9.4 : 9.3) : (large ? 9.9 : 9.4));
    return font;
}

class TextMeasure {
public:
    TextMeasure() : device_(8, 8, QImage::Format_RGB32) {
        device_.setDotsPerMeterX(3780);
        device_.setDotsPerMeterY(3780);
    }
    QSizeF size(std::string_view text, int language, bool large) const {
        const QFontMetricsF metrics(windowFont(language, large), &device_);
        const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        return {metrics.horizontalAdvance(s), metrics.height()};
    }

private:
    QImage device_;
};

struct Checker {
    std::vector<std::string> problems;
    TextMeasure measure;

    void fail(std::string message) { problems.push_back(std::move(message)); }

    void checkText(const std::string& where, std::string_view text) {
        if (text.find_first_of(",\r\n") != std::string_view::npos)
            fail(where + ": the text \"" + std::string(text) + "\" holds a comma or line break");
        if (!text.empty() && (text.front() == ' ' || text.back() == ' '))
            fail(where + ": the text \"" + std::string(text) + "\" starts or ends with a blank");
    }

    void checkFits(const std::string& where, std::string_view text, double width, double height,
                   bool large) {
        for (int language : {kEnglish, kKorean}) {
            const QSizeF size = measure.size(text, language, large);
            if (size.width() > width || size.height() > height + 2)
                fail(where + ": \"" + std::string(text) + "\" needs " +
                     std::to_string(int(size.width() + 0.99)) + " x " +
                     std::to_string(int(size.height() + 0.99)) + " pixels, has " +
                     std::to_string(int(width)) + " x " + std::to_string(int(height)));
        }
    }

    void checkCaptions(const std::vector<Entry>& entries, bool large) {
        for (const Entry& e : entries)
            for (const char* caption : {e.english, e.korean}) {
                checkText(name(e), caption);
                if (*caption == '\0')
                    continue;
                const bool besideIcon = e.icon != Icon::None;
                const double pad = besideIcon ? 2 * 28 : 4;
                checkFits(name(e), caption, e.box.w - pad, e.box.h, large);
            }
    }

    struct Table {
        const char* name;
        std::vector<Entry> entries;
        int count; // entries 0 ... count - 1 are read from the file
    };

    // Sizes, ranges, duplicates, overlaps and the window's shape, for everything one window
    // shows: its tables and the child controls.
    void checkPlacement(const std::string& window, const std::vector<Table>& tables,
                        const std::vector<ControlBox>& controls, const QRegion& shape) {
        struct Item {
            std::string name;
            Box box;
        };
        std::vector<Item> items;
        for (const Table& table : tables) {
            std::set<int> seen;
            for (const Entry& e : table.entries) {
                const std::string where = window + ", " + table.name + " " + name(e);
                if (e.index < 0 || e.index >= table.count)
                    fail(where + " is out of range");
                if (!seen.insert(e.index).second)
                    fail(where + " appears twice");
                items.push_back({where, e.box});
            }
        }
        for (const ControlBox& c : controls)
            items.push_back({window + ", " + c.section + " " + std::to_string(c.key), c.box});
        for (std::size_t i = 0; i < items.size(); ++i) {
            const Box& b = items[i].box;
            if (b.w <= 0 || b.h <= 0)
                fail(items[i].name + " has no size");
            if (!QRegion(b.x, b.y, b.w, b.h).subtracted(shape).isEmpty())
                fail(items[i].name + " reaches outside the window");
            for (std::size_t j = i + 1; j < items.size(); ++j)
                if (b.intersects(items[j].box))
                    fail(items[i].name + " overlaps " + items[j].name);
        }
    }

    void checkFunctionNames(const Description& d) {
        std::set<int> codes;
        for (const FunctionName& f : d.functionNames) {
            const std::string where = "function " + std::to_string(f.code);
            if (f.code < 1 || f.code > 54 || !codes.insert(f.code).second)
                fail(where + " is out of range or appears twice");
            for (const char* text : {f.english, f.korean}) {
                checkText(where, text);
                if (*text == '\0')
                    fail(where + " has no name");
            }
            // Menu rows: centred, clear of the heading arrow.
            const bool firstLevel = f.code <= d.menu.rows;
            const double menuWidth = firstLevel ? d.menu.width - 2 * 20 : d.subMenu.width - 8;
            checkFits(where + " in its menu", f.english, menuWidth, d.menu.rowHeight, false);
            checkFits(where + " in its menu", f.korean, menuWidth, d.menu.rowHeight, false);
            // Button slots: written 5 pixels from the left, clear of the arrow.
            for (const Entry& slot : d.pages[0].entries)
                if (slot.look == Look::Slot) {
                    checkFits(where + " in a slot", f.english, slot.box.w - 5 - 26, slot.box.h,
                              false);
                    checkFits(where + " in a slot", f.korean, slot.box.w - 5 - 26, slot.box.h,
                              false);
                    break;
                }
        }
        if (codes.size() != 54)
            fail("the function names do not cover codes 1...54");
    }

    void checkMenus(const Description& d) {
        if (d.menu.width > 300 || d.menu.rows * d.menu.rowHeight + 1 > 300)
            fail("the first-level menu is larger than its 300 x 300 window");
        if (d.subMenu.width > 300 || d.subMenu.rows * d.subMenu.rowHeight + 1 > 400)
            fail("the second-level menu is larger than its 300 x 400 window");
        if (d.menu.rowHeight != d.subMenu.rowHeight)
            fail("the two menus' rows differ in height: the second level would not line up");
    }
};

} // namespace

std::vector<std::string> checkDescription(const Description& d) {
    Checker c;
    const QRegion window = skin::RegionFromMask(paintMask(d.window));
    for (const PageDescription& page : d.pages) {
        std::vector<Entry> frame;
        for (const Entry& e : d.frame)
            if (frameEntryOnPage(e, page.page))
                frame.push_back(e);
        switch (page.page) {
        case Page::Main: {
            frame.insert(frame.end(), page.entries.begin(), page.entries.end());
            c.checkPlacement("main page", {{"main", frame, 150}}, {}, window);
            break;
        }
        case Page::Advanced:
            c.checkPlacement("advanced page", {{"main", frame, 19}, {"advanced", page.entries, 53}},
                             d.controls, window);
            break;
        case Page::Color:
            c.checkPlacement("lighting page", {{"main", frame, 19}, {"color", page.entries, 33}},
                             {}, window);
            break;
        }
        c.checkCaptions(page.entries, false);
    }
    c.checkCaptions(d.frame, false);
    c.checkPlacement("warning window", {{"warning", d.warning, 3}}, {},
                     skin::RegionFromMask(paintMask(d.warningWindow)));
    c.checkCaptions(d.warning, true);
    c.checkFunctionNames(d);
    c.checkMenus(d);
    return c.problems;
}

} // namespace zantor::skingen
