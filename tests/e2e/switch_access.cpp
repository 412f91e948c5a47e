// Presses buttons through the accessibility bus, as a switch-access user's
// assistive technology does: it finds the button by its accessible name and
// asks for the button's own action. No key or pointer event is involved, so
// it works where a compositor takes no injected input.
//
//   switch_access enable            tells the session's programs that
//                                   assistive technology is listening
//   switch_access press NAME [N]    presses the button named NAME N times
//                                   (once by default; 0 waits until it is there)
#include <cstdio>
#include <optional>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QThread>

namespace {

struct Reference {
    QString service;
    QDBusObjectPath path;
};

const QDBusArgument& operator>>(const QDBusArgument& in, Reference& ref)
{
    in.beginStructure();
    in >> ref.service >> ref.path;
    in.endStructure();
    return in;
}
QDBusArgument& operator<<(QDBusArgument& out, const Reference& ref)
{
    out.beginStructure();
    out << ref.service << ref.path;
    out.endStructure();
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(Reference)

namespace {

const QString AccessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");

QDBusConnection AccessibilityBus()
{
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"));
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    return QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
}

std::optional<Reference> Find(const QDBusConnection& bus, const Reference& at, const QString& name, int depth)
{
    QDBusInterface node(at.service, at.path.path(), AccessibleInterface, bus);
    if (node.property("Name").toString() == name)
        return at;
    if (depth == 0)
        return std::nullopt;
    const QDBusReply<QList<Reference>> children = node.call(QStringLiteral("GetChildren"));
    for (const Reference& child : children.value())
        if (auto found = Find(bus, child, name, depth - 1))
            return found;
    return std::nullopt;
}

int Press(const QString& name, int times)
{
    const QDBusConnection bus = AccessibilityBus();
    const Reference root{QStringLiteral("org.a11y.atspi.Registry"), QDBusObjectPath("/org/a11y/atspi/accessible/root")};
    // The program registers with the bus a moment after its window opens.
    std::optional<Reference> button;
    for (int attempt = 0; attempt < 100 && !button; ++attempt) {
        button = Find(bus, root, name, 12);
        if (!button)
            QThread::msleep(100);
    }
    if (!button) {
        std::fprintf(stderr, "switch_access: no control named %s on the accessibility bus\n", qPrintable(name));
        return 1;
    }
    QDBusInterface action(button->service, button->path.path(), QStringLiteral("org.a11y.atspi.Action"), bus);
    for (int i = 0; i < times; ++i) {
        // A button shows itself pressed for a moment and takes no new press
        // until it is up again.
        if (i > 0)
            QThread::msleep(300);
        const QDBusReply<bool> done = action.call(QStringLiteral("DoAction"), 0);
        if (!done.isValid() || !done.value()) {
            std::fprintf(stderr, "switch_access: %s did not take its action\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}

int Enable()
{
    QDBusInterface status(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Status"));
    return status.setProperty("IsEnabled", true) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    qDBusRegisterMetaType<Reference>();
    qDBusRegisterMetaType<QList<Reference>>();
    const QStringList args = application.arguments();
    if (args.size() == 2 && args[1] == QLatin1String("enable"))
        return Enable();
    if (args.size() >= 3 && args[1] == QLatin1String("press"))
        return Press(args[2], args.size() > 3 ? args[3].toInt() : 1);
    std::fputs("usage: switch_access enable | press NAME [TIMES]\n", stderr);
    return 2;
}
