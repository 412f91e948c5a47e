// Random play through the real window: clicks, keys, page turns, typing and
// jumps of the clock, checking after every event what must always hold.
//
//   HORUMINA_MONKEY_SEED=<n>    replay a seed (a failure prints its seed)
//   HORUMINA_MONKEY_EVENTS=<n>  how many events (100000 by default)
#include <random>

#include <QClipboard>
#include <QRegularExpression>

#include "qt/form_fixture.h"

namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toULongLong();
}

class Monkey : public FormTest {
protected:
    Monkey()
    {
        // The buttons whose click ends a trial of each refresh timer, by
        // mouse or by key alike.
        for (Button* stop : {form.Button2, form.Button4, form.Button10})
            QObject::connect(B(stop), &QPushButton::clicked, [this] { stop_clicked_[0] = true; });
        QObject::connect(B(form.Button7), &QPushButton::clicked, [this] { stop_clicked_[1] = true; });
    }

    template <class T>
    T* Pick(const QList<T*>& list)
    {
        return list.isEmpty() ? nullptr : list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(rng)];
    }
    int Roll(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng); }

    QWidget* CurrentPage() const { return window->TabbedNotebook1->Page(window->TabbedNotebook1->PageIndex()); }
    QList<QPushButton*> VisibleButtons()
    {
        QList<QPushButton*> buttons;
        for (QPushButton* b : CurrentPage()->findChildren<QPushButton*>())
            if (b->isVisible() && b->isEnabled())
                buttons << b;
        return buttons;
    }
    QList<QLineEdit*> EditableBoxes()
    {
        QList<QLineEdit*> boxes;
        for (QLineEdit* e : CurrentPage()->findChildren<QLineEdit*>())
            if (e->isVisible() && !e->isReadOnly())
                boxes << e;
        return boxes;
    }

    QString RandomText(int max_length)
    {
        static const char16_t pool[] = u"0123456789 +-$xXabcdefABCDEF.,'\t\n\u3000０１２３あ当𝄞\u00e9\u200b";
        QString text;
        for (int n = Roll(max_length + 1); n > 0; --n)
            text += QChar(pool[Roll(int(std::size(pool) - 1))]);
        return text;
    }
    // What another program could put in a box: any bytes, read as UTF-8.
    QString RandomBytes(int max_length)
    {
        QByteArray bytes;
        for (int n = Roll(max_length + 1); n > 0; --n)
            bytes += char(Roll(256));
        return QString::fromUtf8(bytes);
    }

    // Typed as the keyboard would: letters and digits by their keys, Tab and
    // Enter as such, anything else as the text an input method delivers.
    void Type(const QString& text)
    {
        for (QChar c : text) {
            QWidget* target = QApplication::focusWidget();
            if (!target)
                return;
            if (c == u'\t' || c == u'\n')
                QTest::keyClick(target, c == u'\t' ? Qt::Key_Tab : Qt::Key_Return);
            else if (c.unicode() < 0x80 && c.isLetterOrNumber())
                QTest::keyClick(target, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    void RandomEvent()
    {
        static const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
                                       Qt::Key_Down, Qt::Key_Return,  Qt::Key_Enter,  Qt::Key_Space, Qt::Key_Escape,
                                       Qt::Key_S,    Qt::Key_P,       Qt::Key_C,      Qt::Key_A,     Qt::Key_Z};
        switch (Roll(11)) {
        case 0:
        case 1:
            if (QPushButton* b = Pick(VisibleButtons()))
                QTest::mouseClick(b, Qt::LeftButton);
            break;
        case 2: {
            const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::AltModifier, Qt::ShiftModifier, Qt::ControlModifier};
            Press(keys[Roll(int(std::size(keys)))], mods[Roll(4)]);
            break;
        }
        case 3: {
            QTabBar* tabs = window->TabbedNotebook1->TabStrip();
            if (Roll(2))
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(Roll(5)).center());
            else
                ShowPage(Roll(5));
            break;
        }
        case 4:
            if (QLineEdit* box = Pick(EditableBoxes())) {
                box->setFocus();
                Type(RandomText(6));
            }
            break;
        case 5:
            if (QLineEdit* box = Pick(EditableBoxes())) {
                const QString text = Roll(2) ? RandomBytes(Roll(10) ? 8 : 5000) : RandomText(Roll(10) ? 8 : 5000);
                if (Roll(2)) {
                    box->setText(text);  // as another program would put it there
                } else {
                    QApplication::clipboard()->setText(text);
                    box->setFocus();
                    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                }
            }
            break;
        case 6:
            form.Dispatch(&TForm1::Timer1Timer);
            break;
        case 7:
            AimedTrial();
            break;
        default:
            Jump();
            break;
        }
    }

    // A trial of the page in front as a player plays it, counting close to
    // the mark: about half of them hit. This is what earns the points that
    // open the hidden domain.
    void AimedTrial()
    {
        struct Aim {
            Button* start;
            Button* stop;
            std::uint32_t ms;
        };
        const Aim aims[] = {{form.Button1, form.Button2, std::uint32_t(4500 + Roll(2000))},
                            {form.Button3, form.Button4, std::uint32_t(1000 * Roll(5) + 500 + Roll(200))}};
        const int page = form.TabbedNotebook1->PageIndex();
        if (page > 1)
            return;
        const Aim& aim = aims[page];
        Click(aim.start);
        Elapse(aim.ms);
        Click(aim.stop);
    }

    // Small steps mostly, now and then seconds, rarely anything up to a wrap.
    void Jump()
    {
        const int kind = Roll(20);
        const std::uint32_t ms = kind < 14 ? std::uint32_t(Roll(40))
                                 : kind < 19 ? std::uint32_t(Roll(12000))
                                             : std::uniform_int_distribution<std::uint32_t>()(rng);
        Elapse(ms);
    }

    void CheckInvariants(int event)
    {
        const GameState& s = form.State;
        ASSERT_TRUE(s.TenthsDigit >= 0 && s.TenthsDigit <= 9) << "event " << event;
        ASSERT_TRUE(s.HundredthsDigit >= 0 && s.HundredthsDigit <= 9) << "event " << event;
        ASSERT_GE(s.Seconds, 0) << "event " << event;
        const int opacity = qRound(window->windowOpacity() * 255);
        ASSERT_TRUE(opacity >= 1 && opacity <= 255) << "event " << event << ": opacity " << opacity;
        for (const LayoutTimer* t : {form.Timer2.get(), form.Timer3.get()})
            ASSERT_TRUE(t->Interval() == 0 || t->Interval() == 10) << "event " << event;
        // A refresh timer stops only when a stop of its trials is clicked.
        const int refreshing[] = {form.Timer2->Interval(), form.Timer3->Interval()};
        for (int i = 0; i < 2; ++i)
            if (refreshing[i] == 0 && was_refreshing_[i] > 0) {
                ASSERT_TRUE(stop_clicked_[i]) << "event " << event << ": a refresh timer stopped with no stop clicked";
                ++judged_stops;
            }
        std::copy(std::begin(refreshing), std::end(refreshing), std::begin(was_refreshing_));
        stop_clicked_[0] = stop_clicked_[1] = false;
        domain_open |= !W(form.Edit10)->isHidden();
        ASSERT_EQ(form.Timer1->Interval(), 1000);
        static const QRegularExpression conversion(QStringLiteral("^'.*' は整数ではありません\\.$"),
                                                   QRegularExpression::DotMatchesEverythingOption);
        for (const QString& e : std::as_const(errors))
            ASSERT_TRUE(conversion.match(e).hasMatch()) << "event " << event << ": " << e.toStdString();
        conversion_errors += errors.size();
        errors.clear();
        if (!window->isVisible()) {
            // Only the close button of the Hall of Memory closes the window.
            ASSERT_EQ(form.TabbedNotebook1->PageIndex(), 2) << "event " << event;
            ++closes;
            window->show();
            QApplication::setActiveWindow(window.get());
        }
    }

    std::mt19937_64 rng;
    long judged_stops = 0;
    long conversion_errors = 0;
    bool domain_open = false;
    long closes = 0;

private:
    int was_refreshing_[2] = {0, 0};
    bool stop_clicked_[2] = {false, false};
};

TEST_F(Monkey, RandomPlayNeverBreaksTheGame)
{
    const std::uint64_t seed = FromEnvironment("HORUMINA_MONKEY_SEED", 20261208);
    const int events = int(FromEnvironment("HORUMINA_MONKEY_EVENTS", 100000));
    rng.seed(seed);
    std::printf("monkey: seed %llu, %d events\n", static_cast<unsigned long long>(seed), events);
    RecordProperty("seed", std::to_string(seed));
    for (int event = 0; event < events; ++event) {
        RandomEvent();
        CheckInvariants(event);
        if (HasFatalFailure()) {
            std::printf("monkey: failed at event %d; replay with HORUMINA_MONKEY_SEED=%llu\n", event,
                        static_cast<unsigned long long>(seed));
            return;
        }
    }
    std::printf("monkey: %d events, %ld judged stops, %ld conversion errors, the hidden domain %s, %ld closes, "
                "%d points at the end\n",
                events, judged_stops, conversion_errors, domain_open ? "opened" : "never opened", closes,
                form.State.Points);
    // Invariants that held on a run that never got anywhere prove little.
    const std::pair<const char*, bool> reached[] = {{"a judged stop", judged_stops > 0},
                                                     {"the error box", conversion_errors > 0},
                                                     {"the hidden domain", domain_open},
                                                     {"a close", closes > 0}};
    for (const auto& [what, seen] : reached)
        EXPECT_TRUE(seen) << "the run never reached " << what << "; seed " << seed << ", " << events << " events";
}

}  // namespace
