#include "app/render_page.h"

#include "app/app_context.h"
#include "app/app_options.h"
#include "app/lighting_preview.h"
#include "app/page_plan.h"
#include "app/page_renderer.h"
#include "app/skin_image_cache.h"
#include "app/window_shape.h"
#include "platform/message/user_messages.h"
#include "skin/skin_loader.h"

#include <QPainter>

#include <cstdio>

namespace zantor::app {

QImage ComposePage(const AppContext& context, const PageState& state, SkinImageCache& images,
                   const WindowShape& shape) {
    QImage image(shape.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setClipRegion(shape.region);
    const Settings& s = context.settings;
    const PaintInput input{state, s.config, context.layout, s.macros, s.currentConfig, s.language};
    RenderPlan(painter, PlanPage(input), images, context.fonts.small.of(s.language), shape.size);
    return image;
}

int RenderPageToFile(const AppOptions& options) {
    AppContext context(AppPaths::homeFor(AppPaths::runningExecutable(), options.home),
                       std::make_unique<StderrMessages>(), nullptr);
    const std::string configFile = context.paths.configFile();
    if (!context.profiles.exists(configFile)) {
        std::fprintf(stderr, "zantor: no configuration file %s (is %s a ZANTOR home folder?)\n",
                     configFile.c_str(), context.paths.exeDir.c_str());
        return kExitError;
    }
    loadStartupConfig(context);
    context.fonts = makeAppFonts(primaryScreenDpi());
    if (const Status loaded = skin::LoadSkinLayouts(context.layout, context.profiles, context.paths,
                                                    context.settings.language);
        !loaded) {
        std::fprintf(stderr, "zantor: %s\n", loaded.error().message.c_str());
        return kExitError;
    }
    loadMacroLibraries(context);

    PageState state;
    state.page = *options.render;
    // The preview as the animation shows it: lit by the first colour of a colour cycle.
    state.preview = NextPreviewLook(PreviewLook{.colour = kCycleColourCount - 1, .off = true},
                                    context.settings.config);
    SkinImageCache images(context.paths.skinsDir());
    const WindowShape shape = ShapeFromMask(context.paths.maskFile(), context.layout);
    const QImage image = ComposePage(context, state, images, shape);
    if (!image.save(QString::fromStdString(options.output), "PNG")) {
        std::fprintf(stderr, "zantor: cannot write %s\n", options.output.c_str());
        return kExitError;
    }
    return kExitOk;
}

} // namespace zantor::app
