#include "app/app_options.h"

#include <array>
#include <utility>

namespace zantor::app {
namespace {

constexpr std::array<std::pair<std::string_view, Page>, 4> kPageNames{{
    {"main", Page::Main},
    {"advanced", Page::Advanced},
    {"colour", Page::Colour},
    {"color", Page::Colour},
}};

Error usage(std::string message) {
    return Error{0, std::move(message)};
}

} // namespace

Result<AppOptions> parseAppOptions(const std::vector<std::string_view>& args) {
    AppOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= args.size())
                return std::nullopt;
            return args[++i];
        };
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--quit-after-first-frame") {
            options.quitAfterFirstFrame = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--home") {
            const auto dir = value();
            if (!dir || dir->empty())
                return usage("--home needs a folder");
            options.home = std::string(*dir);
        } else if (arg == "--output") {
            const auto file = value();
            if (!file || file->empty())
                return usage("--output needs a file name");
            options.output = std::string(*file);
        } else if (arg == "--render") {
            const auto name = value();
            if (!name)
                return usage("--render needs a page: main, advanced or colour");
            for (const auto& [pageName, page] : kPageNames)
                if (*name == pageName)
                    options.render = page;
            if (!options.render)
                return usage("'" + std::string(*name) +
                             "' is not a page; --render takes main, advanced or colour");
        } else {
            return usage("unknown argument '" + std::string(arg) + "'");
        }
    }
    if (options.render && options.output.empty())
        return usage("--render needs --output FILE.png");
    if (!options.render && !options.output.empty())
        return usage("--output goes with --render");
    return options;
}

std::vector<std::string_view> ownArguments(int argc, const char* const* argv) {
    std::vector<std::string_view> args;
    const auto qtOption = [](std::string_view a) {
        return a.size() > 1 && a[0] == '-' && a[1] != '-' && a != "-h";
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!qtOption(arg)) {
            args.push_back(arg);
            continue;
        }
        if (i + 1 < argc && argv[i + 1][0] != '-')
            ++i; // its value
    }
    return args;
}

} // namespace zantor::app
