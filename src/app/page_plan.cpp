#include "app/page_plan.h"

#include "app/hit_test.h"
#include "config/mouse_config.h"
#include "device/command_set.h"
#include "macro/macro_tables.h"
#include "skin/function_menu.h"
#include "skin/function_names.h"
#include "skin/skin_images.h"

#include <algorithm>
#include <array>

namespace zantor::app {
namespace {

using skin::SkinButton;

// Main layout.
constexpr int kConfigButtonBase = 3; // configuration n is entry n + 3
constexpr int kLastFrameEntry = 19;
constexpr int kKoreanButton = 17, kEnglishButton = 18;
constexpr int kFirstSlot = 20, kLastSlot = 25;
constexpr int kSlotHighlightOffset = 118; // slot 20…25 lights part 138…143 of the mouse
constexpr int kWheelStandard = 32, kWheelAlternate = 33;
constexpr int kFirstSwatch = 41, kFirstEnableMark = 47, kFirstLevelSelector = 60;
constexpr int kMainCaptionCount = 59;
// Advanced layout.
constexpr int kRecordButton = 4, kRepeatCountMark = 6, kWhileHeldMark = 7;
constexpr int kFirstPointerSpeed = 8, kFirstWheelSpeed = 18, kFireSlider = 30;
constexpr int kFireReadout = 33, kFirstPollingRate = 34, kAdvancedTitle = 52;
constexpr int kSpeedChoices = 10, kPollingRates = 4;
constexpr int kAdvancedCaptionCount = 72;
// Colour layout.
constexpr int kFirstLedType = 7, kLedTypes = 4, kSlowestSpeed = 16, kLedSpeeds = 6;
constexpr int kDpiReadout = 18, kPreview = 32;
constexpr int kColourCaptionCount = 51;

constexpr std::array<int, 3> kTabOfPage{9, 10, 11};

struct RecordCaption {
    std::string_view idle, recording;
};
constexpr RecordCaption kRecordKorean{"녹화", "멈춤"};
constexpr RecordCaption kRecordEnglish{"Record", "Stop"};

bool inRange(int value, int count) {
    return value >= 0 && value < count;
}

class Planner {
public:
    Planner(const PaintInput& input)
        : in_(input), c_(input.config), layout_(input.layout),
          images_(skin::kPageImages[std::size_t(input.state.page)]) {
        plan_.background = images_.normal;
        plan_.language = input.language;
    }

    PagePlan run() {
        switch (in_.state.page) {
        case Page::Main:
            mainPage();
            break;
        case Page::Advanced:
            advancedPage();
            break;
        case Page::Colour:
            colourPage();
            break;
        }
        sharedFrame();
        captions();
        return std::move(plan_);
    }

private:
    const SkinButton& main(int i) const { return layout_.mainButtons[std::size_t(i)]; }
    const SkinButton& advanced(int i) const { return layout_.advanceButtons[std::size_t(i)]; }
    const SkinButton& colour(int i) const { return layout_.colorButtons[std::size_t(i)]; }

    void copy(std::string_view image, const skin::Rect& rect) {
        if (!rect.empty())
            plan_.ops.push_back({.kind = PaintOp::Kind::Copy, .rect = rect, .image = image});
    }
    void copy(std::string_view image, const SkinButton& button) { copy(image, button.rect()); }
    void fill(const skin::Rect& rect, std::uint32_t colour) {
        if (!rect.empty())
            plan_.ops.push_back({.kind = PaintOp::Kind::Fill, .rect = rect, .colour = colour});
    }
    void text(PaintOp::Kind kind, const SkinButton& button, std::string text) {
        if (!text.empty() && !button.rect().empty())
            plan_.ops.push_back({.kind = kind, .rect = button.rect(), .text = std::move(text)});
    }

    // The hovered entry of the page's own layout, pressed or not.
    void hovered(std::span<const SkinButton> table, int hover) {
        if (!inRange(hover, int(table.size())))
            return;
        if (!in_.state.buttonPressed)
            copy(images_.over, table[std::size_t(hover)]);
        else if (!(in_.state.page == Page::Advanced && hover == kFireSlider))
            copy(images_.down, table[std::size_t(hover)]);
    }

    void slotHighlight() {
        const int hover = in_.state.hovers.main;
        if (hover >= kFirstSlot && hover <= kLastSlot)
            copy(images_.over, main(hover + kSlotHighlightOffset));
    }

    void mainPage() {
        hovered(layout_.mainButtons, in_.state.hovers.main);
        copy(images_.down, main(kFirstLevelSelector + c_.activeDpiLevel()));
        slotHighlight();
        for (int level = 0; level < kDpiLevelCount; ++level) {
            const std::uint32_t colour = c_.dpiDisplayColour[std::size_t(level)];
            fill(main(kFirstSwatch + level).rect(), colour);
            const int first = kFirstStepCell + kDpiStepCount * level;
            const int last =
                std::min(c_.dpiStepCell[std::size_t(level)], first + kDpiStepCount - 1);
            for (int cell = first; cell <= last; ++cell) {
                const SkinButton& b = main(cell);
                fill(skin::rectOf(b.x + 1, b.y + 1, b.width - 2, b.height - 1), colour);
            }
            if (c_.dpiEnabled[std::size_t(level)])
                copy(images_.down, main(kFirstEnableMark + level));
            slotHighlight();
        }
        copy(images_.down, main(c_.wheelStatus == 0 ? kWheelStandard : kWheelAlternate));
    }

    void advancedPage() {
        hovered(layout_.advanceButtons, in_.state.hovers.advanced);
        if (in_.state.recording)
            copy(images_.down, advanced(kRecordButton));
        // Values a file put out of range light nothing rather than a neighbouring control.
        if (inRange(c_.pointerSpeed, kSpeedChoices))
            copy(images_.down, advanced(kFirstPointerSpeed + c_.pointerSpeed));
        if (inRange(c_.wheelSpeed, kSpeedChoices))
            copy(images_.down, advanced(kFirstWheelSpeed + c_.wheelSpeed));
        if (inRange(c_.pollingRate, kPollingRates))
            copy(images_.down, advanced(kFirstPollingRate + c_.pollingRate));
        copy(images_.down, advanced(kAdvancedTitle));
        const SkinButton& slider = advanced(kFireSlider);
        const int fire = std::clamp(c_.fireTime, 0, kMaxFireTime);
        copy(images_.down,
             skin::rectOf(slider.x, slider.y, int(std::int64_t{slider.width} * fire / kMaxFireTime),
                          slider.height));
        const auto selected = in_.macros.selectedMacro;
        if (inRange(selected, int(macro::MAX_USER_MACROS))) {
            const auto mode = in_.macros.userMacros[std::size_t(selected)].mode;
            if (mode & macro::MACRO_WHILE_HELD)
                copy(images_.down, advanced(kWhileHeldMark));
            if (mode & macro::MACRO_REPEAT)
                copy(images_.down, advanced(kRepeatCountMark));
        }
    }

    void colourPage() {
        hovered(layout_.colorButtons, in_.state.hovers.colour);
        if (inRange(c_.ledType, kLedTypes))
            copy(images_.down, colour(kFirstLedType + c_.ledType));
        if (c_.ledType <= 1 && inRange(c_.ledCycleTime, kLedSpeeds))
            copy(images_.down, colour(kSlowestSpeed - c_.ledCycleTime));
        for (int i = 0; i < kCycleColourCount; ++i)
            if (c_.cycleColourOn[std::size_t(i)])
                copy(images_.down, colour(i));
        const PreviewLook look = in_.state.preview;
        copy(look.off || !inRange(look.colour, kCycleColourCount)
                 ? skin::kPreviewOffImage
                 : skin::kPreviewColourImages[std::size_t(look.colour)],
             colour(kPreview));
    }

    void sharedFrame() {
        const int tab = kTabOfPage[std::size_t(in_.state.page)];
        const int hover = in_.state.hovers.main;
        for (int i = 0; i <= kLastFrameEntry; ++i) {
            if (i == in_.currentConfig + kConfigButtonBase)
                copy(images_.down, main(i));
            else if (i == hover)
                copy(in_.state.buttonPressed ? images_.down : images_.over, main(i));
            else if (i == tab || (i == kKoreanButton && in_.language == 0) ||
                     (i == kEnglishButton && in_.language == 1))
                copy(images_.down, main(i));
        }
    }

    void captions() {
        const auto centred = PaintOp::Kind::Text;
        const int count = in_.state.page == Page::Main       ? kMainCaptionCount
                          : in_.state.page == Page::Advanced ? kAdvancedCaptionCount
                                                             : kColourCaptionCount;
        for (int t = 0; t < count; ++t) {
            if (in_.state.page == Page::Main && t >= kFirstSlot && t <= kLastSlot)
                text(PaintOp::Kind::TextLeft, main(t), slotName(t - kFirstSlot));
            else if (t < int(kSharedFrameCount) || in_.state.page == Page::Main)
                text(centred, main(t), main(t).caption);
            else if (in_.state.page == Page::Colour)
                colourCaption(t - int(kSharedFrameCount));
            else
                advancedCaption(t - int(kSharedFrameCount));
        }
    }

    std::string slotName(int button) const {
        return skin::FunctionDisplayName(c_.buttonFunction[std::size_t(button)],
                                         layout_.functionNames, skin::UserMacroNames(in_.macros));
    }

    void colourCaption(int j) {
        if (j == kDpiReadout)
            text(PaintOp::Kind::Text, colour(j),
                 std::to_string(DpiDisplayNumber(c_.dpiStepIndex(c_.activeDpiLevel()))));
        else
            text(PaintOp::Kind::Text, colour(j), colour(j).caption);
    }

    void advancedCaption(int j) {
        std::string caption = advanced(j).caption;
        if (j == kRecordButton) {
            const RecordCaption& names = in_.language == 0 ? kRecordKorean : kRecordEnglish;
            caption = in_.state.recording ? names.recording : names.idle;
        } else if (j == kFireReadout) {
            caption = std::to_string(c_.fireTime) + "ms";
        }
        text(PaintOp::Kind::Text, advanced(j), std::move(caption));
    }

    const PaintInput& in_;
    const MouseConfig& c_;
    const skin::SkinLayout& layout_;
    const skin::PageImages& images_;
    PagePlan plan_;
};

} // namespace

int DpiDisplayNumber(int dpiStep) {
    return device::DPI_STEP_RESOLUTIONS[std::size_t(std::clamp(dpiStep, 0, kDpiStepCount - 1))];
}

PagePlan PlanPage(const PaintInput& input) {
    return Planner(input).run();
}

} // namespace zantor::app
