// Counts what assistive technology finds in every window, through Qt's
// accessibility interfaces: the window's role and name, and for the controls
// below it how many are exposed (not invisible), named, with any action, and
// with the press action.
// accessibility_census [-v]   (-v also lists every control)
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form7.h"
#include "windows/Form9.h"
#include "windows/Forms.h"

#include <QAccessible>
#include <QMetaEnum>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString RoleName(QAccessible::Role role) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

void Count(const char* title, platform::Form& window, bool verbose) {
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
    std::printf("%-7s %-7s role %-10s name %-40s exposed %3d named %3d with action %3d press %3d\n", title,
                qPrintable(window.objectName()), qPrintable(RoleName(iface->role())),
                qPrintable(u'"' + iface->text(QAccessible::Name) + u'"'), exposed, named, acting, pressable);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application app(argc, argv);
    platform::RegisterBundledFonts();
    const bool verbose = argc > 1 && std::strcmp(argv[1], "-v") == 0;
    windows::Forms forms;
    forms.form1().List1.setListIndex(0);
    Count("main", forms.form1(), verbose);
    Count("keys", forms.form2(), verbose);
    Count("who", forms.form3(), verbose);
    Count("help", forms.form4(), verbose);
    Count("terms", forms.form5(), verbose);
    Count("splash", forms.form7(), verbose);
    Count("exit", forms.form9(), verbose);
    Count("magnify", forms.form10(), verbose);
    return 0;
}
