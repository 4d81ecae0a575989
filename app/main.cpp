// Varnova: combines one working picture with every bitmap of a source folder.
//
// The desktop program lives in a module (varnova-window.so) that is loaded only when the program
// starts without arguments, so the command line runs without the widget toolkit.
#include <QCoreApplication>
#include <climits>
#include <cstdio>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

#include "app/commandline.h"

namespace {

// The folder of this executable with a trailing "/"; empty when it cannot be found.
std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    const std::string exe(path, std::size_t(n));
    return exe.substr(0, exe.rfind('/') + 1);
}

// Loads the window module (installed in the program's library folder, or built beside the
// executable) and runs the desktop program from it.
int RunWindow(int& argc, char** argv) {
    const std::string folder = ExecutableFolder();
    const std::string candidates[] = {folder + VARNOVA_WINDOW_FROM_BIN "/" VARNOVA_WINDOW_MODULE,
                                      folder + VARNOVA_WINDOW_MODULE};
    std::string error;
    for (const std::string& path : candidates) {
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            if (error.empty())
                error = ::dlerror();
            continue;
        }
        using TEntry = int (*)(int&, char**);
        if (auto entry = reinterpret_cast<TEntry>(::dlsym(module, "varnova_window_main")))
            return entry(argc, argv);
        error = ::dlerror();
        break;
    }
    std::fprintf(stderr, "varnova: cannot start the desktop program: %s\n", error.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc <= 1)
        return RunWindow(argc, argv);
    // Headless: a core application only, so the batch runs where no display exists.
    QCoreApplication app(argc, argv);
    return varnova::RunCommandLine(QCoreApplication::arguments());
}
