#pragma once

#include <array>
#include <string>
#include <vector>

// The one description of the skin: every hot spot with its position, look and captions. The
// painter draws the images from it and the layout writer writes the layout files from it, so
// images and hot spots cannot drift apart.
namespace zantor::skingen {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr int right() const { return x + w; }
    constexpr int bottom() const { return y + h; }
    constexpr bool intersects(const Box& o) const {
        return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
    }
    constexpr bool operator==(const Box&) const = default;
};

// How an entry is drawn in the normal, over (hover) and down (pressed or selected) images.
enum class Look {
    Label,         // caption only, the same in every image
    Heading,       // section title strip, the same in every image
    Button,        // command button
    PrimaryButton, // the one accent-filled command (apply)
    Tab,           // page tab; down is the open page
    WindowButton,  // minimise and close
    Choice,        // one of a group of choices; down is the chosen one
    Slot,          // mouse-button function field that opens the drop-down menu
    Check,         // enable mark; down is checked
    Swatch,        // DPI colour swatch, filled by the window with the level's colour
    Cell,          // DPI step cell, filled by the window up to the chosen step
    LevelChoice,   // DPI level selector with its number drawn in; down is the active level
    Slider,        // fire interval track; the window copies the filled part from down
    Readout,       // value display whose caption the window sets
    ColourChip,    // cycle colour; down is on
    MousePart,     // a part of the drawn mouse, lit in the over image
    Preview,       // the lighting preview: the mouse lit in the picture's colour
    EditorHeader,  // the macro editor's title strip, always shown from down
};

enum class Icon {
    None,
    Minimise,
    Close,
    Save,
    Apply,
    Tray,
    Import,
    Export,
    Reset,
    Globe,
    Record,
    Plus,
    Minus
};

// Parts of the drawn mouse, in the order of the six button slots.
enum class MousePart { Left, Right, Wheel, Forward, Back, Dpi };

struct Entry {
    int index = 0;
    Box box;
    Look look = Look::Label;
    const char* english = "";
    const char* korean = "";
    const char* role = ""; // a note for the layout file's reader
    Icon icon = Icon::None;
    int param = 0; // colour of a chip, level of a selector, MousePart of a part
};

// A rectangle where a child control of the macro editor sits (EDIT and MACRODISPLAY keys).
struct ControlBox {
    const char* section;
    int key;
    Box box;
    const char* role;
};

// A card: a framed area grouping entries, drawn in every image of its page.
struct Panel {
    Box box;
};

enum class Page { Main, Advanced, Color };

struct PageDescription {
    Page page;
    std::vector<Entry> entries; // the page's own table; the main page's includes 20...149
    std::vector<Panel> panels;
    std::vector<Box> rules; // thin lines between groups
};

struct FunctionName {
    int code;
    const char* english;
    const char* korean;
};

struct MenuDescription {
    int width, rowHeight, rows;
    std::vector<int> headingRows; // 1-based rows that open a second-level menu
};

// A window's outline: a rectangle with its corners cut at 45 degrees.
struct Outline {
    Box box;
    int topLeft, topRight, bottomRight, bottomLeft; // length of each corner cut
};

// Where a mouse picture is drawn: top-left corner and scale of its design box.
struct MousePlacement {
    int x, y;
    double scale;
};

struct Description {
    Outline window; // the main window: mask and page images
    MousePlacement mainMouse;
    std::vector<Entry> frame;             // main entries 0...19, shared by every page
    std::array<PageDescription, 3> pages; // Main, Advanced, Color
    std::vector<ControlBox> controls;
    std::vector<FunctionName> functionNames; // codes 1...54
    MenuDescription menu, subMenu;
    Outline warningWindow;
    std::vector<Entry> warning; // 0 OK, 1 Cancel, 2 message
    std::vector<Panel> warningPanels;
};

const Description& skinDescription();

// The frame entries a page shows: 0...18 everywhere, 19 (the web site) on the main page only.
bool frameEntryOnPage(const Entry& entry, Page page);

// The entries of one page image: its frame entries and its own table.
std::vector<Entry> entriesOnPage(const Description& d, Page page);

// The drawn mouse: the box of each part for a mouse drawn with its top-left corner at `origin`
// and `scale` times its design size (kMouseWidth x kMouseHeight).
inline constexpr int kMouseWidth = 120;
inline constexpr int kMouseHeight = 180;
Box mousePartBox(MousePart part, const MousePlacement& at);

// The largest mouse picture that fits a box, centred in it.
MousePlacement mouseInBox(const Box& box, int margin);

} // namespace zantor::skingen
