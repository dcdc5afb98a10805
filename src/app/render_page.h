#pragma once

#include "app/page_state.h"

#include <QImage>

namespace zantor::app {

struct AppContext;
struct AppOptions;
class SkinImageCache;
struct WindowShape;

// One page of the window as an image of the window's size, transparent outside its shape.
QImage ComposePage(const AppContext& context, const PageState& state, SkinImageCache& images,
                   const WindowShape& shape);

// zantor --render PAGE --output FILE: paints the page of the home's current configuration, as
// the window shows it with the pointer away, into a PNG file. No window, mouse or lock is
// touched and nothing is written but the image. Returns the exit status.
int RenderPageToFile(const AppOptions& options);

} // namespace zantor::app
