// Counts what assistive technology finds in every window, through Qt's
// accessibility interfaces: the window's role and name, and for the controls
// below it how many are exposed (not invisible), named, with any action, and
// with the press action.
// accessibility_census [-v]   (-v also lists every control)
#include "layouts/WindowLayouts.h"
#include "platform/Application.h"
#include "shell/BorderlessWindow.h"
#include "windows/Form1.h"
#include "windows/Forms.h"
#include "windows/ProgramFonts.h"

#include <QAccessible>
#include <QMetaEnum>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

QString RoleName(QAccessible::Role role) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

void Count(std::string_view title, platform::Form& window, bool verbose) {
    window.Show();  // hidden controls are invisible to assistive technology
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&window);
    int exposed = 0, named = 0, acting = 0, pressable = 0;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child || child->state().invisible) continue;
        ++exposed;
        const QString name = child->text(QAccessible::Name);
        const QAccessibleActionInterface* actions = child->actionInterface();
        const QStringList actionNames = actions ? actions->actionNames() : QStringList();
        const bool pressableChild = actionNames.contains(QAccessibleActionInterface::pressAction());
        named += !name.isEmpty();
        acting += !actionNames.isEmpty();
        pressable += pressableChild;
        if (verbose)
            std::printf("    %-12s %-14s %-40s %s\n", qPrintable(child->object()->objectName()),
                        qPrintable(RoleName(child->role())), qPrintable(name),
                        actionNames.isEmpty() ? "-" : qPrintable(actionNames.join(u',')));
    }
    std::printf("%-10.*s %-7s role %-10s name %-40s exposed %3d named %3d with action %3d press %3d\n",
                static_cast<int>(title.size()), title.data(),
                qPrintable(window.objectName()), qPrintable(RoleName(iface->role())),
                qPrintable(u'"' + iface->text(QAccessible::Name) + u'"'), exposed, named, acting, pressable);
}

}  // namespace

int main(int argc, char** argv) {
    platform::UseOffscreenPlatform();
    platform::Application app(argc, argv);
    // A tool of the build: an error leaving a handler ends it, with no message box to wait on.
    app.setErrorReporter([](const std::string& message) {
        std::fprintf(stderr, "error: %s\n", message.c_str());
        std::exit(1);
    });
    windows::RegisterProgramFonts();
    const bool verbose = argc > 1 && std::strcmp(argv[1], "-v") == 0;
    windows::Forms forms;
    forms.form1().List1.setListIndex(0);
    for (const layouts::WindowRow& row : layouts::kWindowRows) Count(row.shortName, forms.open(row), verbose);
    return 0;
}
