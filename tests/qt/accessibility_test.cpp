#include <QAccessible>

#include "qt/form_fixture.h"

namespace {

// What a screen reader learns of a control.
struct Seen {
    QAccessible::Role role;
    QString name, value, description;
};

Seen Read(QObject* control)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    if (!a)
        return {QAccessible::NoRole, {}, {}, {}};
    return {a->role(), a->text(QAccessible::Name), a->text(QAccessible::Value), a->text(QAccessible::Description)};
}

QString WithoutAmpersand(QString caption) { return caption.remove(u'&'); }

// The events a screen reader would hear, collected instead of sent.
std::vector<std::pair<QObject*, QAccessible::Event>>* heard = nullptr;
void Listen(QAccessibleEvent* event)
{
    if (heard)
        heard->emplace_back(event->object(), event->type());
}

class Accessibility : public FormTest {
protected:
    Accessibility()
    {
        // The bridge comes up once it has found the accessibility bus.
        for (int wait = 0; wait < 200 && !QAccessible::isActive(); ++wait)
            QTest::qWait(10);
        EXPECT_TRUE(QAccessible::isActive()) << "no accessibility bus: run this under with_accessibility_bus.sh";
        heard = &events;
        previous_ = QAccessible::installUpdateHandler(Listen);
    }
    ~Accessibility() override
    {
        QAccessible::installUpdateHandler(previous_);
        heard = nullptr;
    }
    bool Announced(QObject* control) const
    {
        for (auto& [object, type] : events)
            if (object == control && type == QAccessible::ValueChanged)
                return true;
        return false;
    }
    std::vector<std::pair<QObject*, QAccessible::Event>> events;

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(Accessibility, EveryControlTellsItsTextWithTheRightRole)
{
    int controls = 0;
    for (int page = 0; page < window->TabbedNotebook1->PageCount(); ++page) {
        QWidget* surface = window->TabbedNotebook1->Page(page);
        for (QtLabel* label : surface->findChildren<QtLabel*>()) {
            const Seen seen = Read(label);
            EXPECT_EQ(seen.role, QAccessible::StaticText) << label->objectName().toStdString();
            EXPECT_EQ(seen.name, label->text()) << label->objectName().toStdString();
            ++controls;
        }
        for (QLineEdit* edit : surface->findChildren<QLineEdit*>()) {
            const Seen seen = Read(edit);
            EXPECT_EQ(seen.role, QAccessible::EditableText) << edit->objectName().toStdString();
            EXPECT_EQ(seen.value, edit->text()) << edit->objectName().toStdString();
            ++controls;
        }
        for (QPushButton* button : surface->findChildren<QPushButton*>()) {
            const Seen seen = Read(button);
            EXPECT_EQ(seen.role, QAccessible::Button) << button->objectName().toStdString();
            EXPECT_EQ(seen.name, WithoutAmpersand(button->text())) << button->objectName().toStdString();
            ++controls;
        }
    }
    EXPECT_EQ(controls, 28 + 18 + 13) << "every label, edit box and button of the five pages";
    const Seen picture = Read(W(form.Image1));
    EXPECT_EQ(picture.role, QAccessible::Graphic);
    EXPECT_FALSE(picture.name.isEmpty()) << "the picture must be described";
}

TEST_F(Accessibility, TheTabsArePageTabsNamedByTheirCaptions)
{
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(window->TabbedNotebook1->TabStrip());
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->role(), QAccessible::PageTabList);
    QStringList tabs;
    for (int i = 0; i < strip->childCount(); ++i)  // the strip's hidden scroll buttons are children too
        if (strip->child(i)->role() == QAccessible::PageTab)
            tabs << strip->child(i)->text(QAccessible::Name);
    EXPECT_EQ(tabs, (QStringList{U("～ 心 の 目 ～"), U("～ 心 の 声 ～"), U("- 記 憶 の 館 -"), U("＊謎ノ領域＊ "),
                                 U("フレンズゲーム")}));
}

TEST_F(Accessibility, VerdictBoxesAnnounceTheirNewText)
{
    Click(form.Button1);
    Elapse(5500);
    events.clear();
    Click(form.Button2);
    EXPECT_TRUE(Announced(W(form.Edit1))) << "the verdict";
    EXPECT_TRUE(Announced(W(form.Edit2))) << "the total";
    EXPECT_TRUE(Announced(W(form.Edit3))) << "the run";
    EXPECT_EQ(Read(W(form.Edit1)).value, E(form.Edit1)->text());
    EXPECT_FALSE(Announced(W(form.Edit4))) << "an unchanged box stays quiet";
    events.clear();
    ShowPage(4);
    W(form.Edit12)->setFocus();
    QTest::keyClick(W(form.Edit12), Qt::Key_7);
    EXPECT_FALSE(Announced(W(form.Edit12))) << "what the player types is not announced as news";
}

}  // namespace
