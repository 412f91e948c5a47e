// Presses buttons through the accessibility bus, as a switch-access user's
// assistive technology does: it finds the button by its accessible name and
// asks for the button's own action. No key or pointer event is involved, so
// it works where a compositor takes no injected input.
//
//   switch_access enable            tells the session's programs that
//                                   assistive technology is listening
//   switch_access press NAME [N]    presses the button named NAME N times
//                                   (once by default; 0 waits until it is there)
//   switch_access read PREFIX       prints the name of the control whose name
//                                   begins with PREFIX, as a screen reader reads it
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusMetaType>
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

// One method call, answered; plain messages rather than QDBusInterface, which
// would first ask every object to describe itself.
QDBusMessage Call(const QDBusConnection& bus, const Reference& at, const QString& interface, const QString& method,
                  const QVariantList& args = {})
{
    QDBusMessage call = QDBusMessage::createMethodCall(at.service, at.path.path(), interface, method);
    call.setArguments(args);
    return bus.call(call);
}

QString Name(const QDBusConnection& bus, const Reference& at)
{
    const QDBusMessage reply = Call(bus, at, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                    {QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("Name")});
    return reply.arguments().isEmpty() ? QString() : qvariant_cast<QDBusVariant>(reply.arguments()[0]).variant().toString();
}

std::optional<Reference> Find(const QDBusConnection& bus, const Reference& at, const std::function<bool(const QString&)>& wanted,
                              int depth)
{
    if (wanted(Name(bus, at)))
        return at;
    if (depth == 0)
        return std::nullopt;
    const QDBusMessage reply = Call(bus, at, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
    if (reply.arguments().isEmpty())
        return std::nullopt;
    const auto children = qdbus_cast<QList<Reference>>(reply.arguments()[0]);
    for (const Reference& child : children)
        if (auto found = Find(bus, child, wanted, depth - 1))
            return found;
    return std::nullopt;
}

const Reference Launcher{QStringLiteral("org.a11y.Bus"), QDBusObjectPath("/org/a11y/bus")};

// The accessibility bus of the session, and on it the control whose name
// `wanted` accepts, waited for: the program registers with the bus a moment
// after its window opens.
std::optional<std::pair<QDBusConnection, Reference>> Control(const std::function<bool(const QString&)>& wanted)
{
    const QDBusMessage address = Call(QDBusConnection::sessionBus(), Launcher, QStringLiteral("org.a11y.Bus"),
                                      QStringLiteral("GetAddress"));
    if (address.arguments().isEmpty()) {
        std::fputs("switch_access: no accessibility bus in this session\n", stderr);
        return std::nullopt;
    }
    const QDBusConnection bus = QDBusConnection::connectToBus(address.arguments()[0].toString(), QStringLiteral("a11y"));
    const Reference root{QStringLiteral("org.a11y.atspi.Registry"), QDBusObjectPath("/org/a11y/atspi/accessible/root")};
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (auto found = Find(bus, root, wanted, 12))
            return std::pair{bus, *found};
        QThread::msleep(100);
    }
    return std::nullopt;
}

int Press(const QString& name, int times)
{
    const auto control = Control([&](const QString& seen) { return seen == name; });
    if (!control) {
        std::fprintf(stderr, "switch_access: no control named %s on the accessibility bus\n", qPrintable(name));
        return 1;
    }
    const auto& [bus, button] = *control;
    for (int i = 0; i < times; ++i) {
        // A button shows itself pressed for a moment and takes no new press
        // until it is up again.
        if (i > 0)
            QThread::msleep(300);
        const QDBusMessage done = Call(bus, button, QStringLiteral("org.a11y.atspi.Action"), QStringLiteral("DoAction"), {0});
        if (done.arguments().isEmpty() || !done.arguments()[0].toBool()) {
            std::fprintf(stderr, "switch_access: %s did not take its action\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}

int Read(const QString& prefix)
{
    const auto control = Control([&](const QString& seen) { return seen.startsWith(prefix); });
    if (!control) {
        std::fprintf(stderr, "switch_access: no control whose name begins with %s\n", qPrintable(prefix));
        return 1;
    }
    const auto& [bus, label] = *control;
    std::puts(qPrintable(Name(bus, label)));
    return 0;
}

int Enable()
{
    const QDBusMessage reply =
        Call(QDBusConnection::sessionBus(), Launcher, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
             {QStringLiteral("org.a11y.Status"), QStringLiteral("IsEnabled"), QVariant::fromValue(QDBusVariant(true))});
    return reply.type() == QDBusMessage::ReplyMessage ? 0 : 1;
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
    if (args.size() == 3 && args[1] == QLatin1String("read"))
        return Read(args[2]);
    std::fputs("usage: switch_access enable | press NAME [TIMES] | read PREFIX\n", stderr);
    return 2;
}
