// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accessibility.h"

#include "app/design.h"
#include "app/designlabel.h"
#include "app/drawing.h"
#include "app/entrybox.h"
#include "app/facebutton.h"

#include "engine/spoken.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>

namespace tavola {

namespace {

// A label heard through its spoken form rather than its bare caption. The caption stays
// the label's text, so the reader never hears a stale value.
class SpokenLabel final : public QAccessibleWidget
{
public:
    explicit SpokenLabel(DesignLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const DesignLabel *>(widget())->spokenText();
        return QAccessibleWidget::text(kind);
    }
};

// The unit box as a label whose text is its spoken name: its own text, "cm", reads as two
// letters. A box keeps telling of its caret, so the label has a text, fixed, to move it in.
class SpokenUnitBox final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit SpokenUnitBox(QWidget *box)
        : QAccessibleWidget(box, QAccessible::StaticText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override { return QAccessibleWidget::text(kind); }
    QString text(int start, int end) const override { return spoken().mid(start, end - start); }
    int characterCount() const override { return int(spoken().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString spoken() const { return widget()->accessibleName(); }
};

// The menu bar's children are its entries; Qt's own bar finds only plain menu items.
class SpokenMenuBar final : public QAccessibleWidget
{
public:
    explicit SpokenMenuBar(QMenuBar *bar)
        : QAccessibleWidget(bar, QAccessible::MenuBar)
    {
    }

    int childCount() const override { return bar()->actions().size(); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QAction *> entries = bar()->actions();
        return index >= 0 && index < entries.size()
            ? QAccessible::queryAccessibleInterface(entries.at(index))
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return bar()->actions().indexOf(qobject_cast<QAction *>(child->object()));
    }

private:
    QMenuBar *bar() const { return static_cast<QMenuBar *>(widget()); }
};

// An entry of the menu bar: a menu where it opens one, so that the reader says so, and a
// menu item where it acts at once.
class MenuBarEntry final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuBarEntry(QMenuBar *bar, QAction *entry)
        : m_bar(bar)
        , m_entry(entry)
    {
    }

    bool isValid() const override { return m_bar && m_entry; }
    QObject *object() const override { return m_entry; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    int childCount() const override { return m_entry->menu() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && m_entry->menu()
            ? QAccessible::queryAccessibleInterface(m_entry->menu())
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && m_entry->menu() && child->object() == m_entry->menu() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *menu = child(0);
        return menu && menu->rect().contains(x, y) ? menu : nullptr;
    }
    QAccessible::Role role() const override
    {
        return m_entry->menu() ? QAccessible::PopupMenu : QAccessible::MenuItem;
    }
    QString text(QAccessible::Text kind) const override
    {
        const QString caption = m_entry->text();
        const qsizetype key = caption.indexOf(u'&');
        if (kind == QAccessible::Name)
            return QString(caption).remove(u'&');
        if (kind == QAccessible::Accelerator && key >= 0 && key + 1 < caption.size())
            return QStringLiteral("Alt+") + caption.at(key + 1).toUpper();
        return {};
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        return m_bar->actionGeometry(m_entry).translated(m_bar->mapToGlobal(QPoint()));
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_bar->isVisible() || !m_entry->isVisible();
        state.focusable = true;
        state.focused = m_bar->activeAction() == m_entry;
        state.disabled = !m_entry->isEnabled();
        state.hasPopup = m_entry->menu() != nullptr;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
            ? static_cast<QAccessibleActionInterface *>(this)
            : nullptr;
    }
    QStringList actionNames() const override
    {
        return {m_entry->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction())
            m_bar->setActiveAction(m_entry);
        else if (name == pressAction())
            m_entry->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QMenuBar> m_bar;
    QPointer<QAction> m_entry;
};

QMenuBar *menuBarOf(QAction *entry)
{
    for (QObject *holder : entry->associatedObjects())
        if (auto *bar = qobject_cast<QMenuBar *>(holder))
            return bar;
    return nullptr;
}

QAccessibleInterface *spokenFormFactory(const QString &className, QObject *object)
{
    if (auto *label = qobject_cast<DesignLabel *>(object))
        return className == QLatin1String(DesignLabel::staticMetaObject.className())
            ? new SpokenLabel(label)
            : nullptr;
    if (object->metaObject() == &EntryBox::staticMetaObject)
        return new SpokenUnitBox(static_cast<QWidget *>(object));
    if (auto *bar = qobject_cast<QMenuBar *>(object))
        return new SpokenMenuBar(bar);
    if (auto *entry = qobject_cast<QAction *>(object))
        if (QMenuBar *bar = menuBarOf(entry))
            return new MenuBarEntry(bar, entry);
    return nullptr;
}

// Setting an unchanged name would still tell every reader it changed.
void setSpokenName(QWidget *widget, const QString &name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

} // namespace

void installSpokenForms()
{
    static const bool installed = [] {
        QAccessible::installFactory(spokenFormFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void Speaker::speak(const WindowModel &model, const Controls &controls)
{
    const Spoken spoken = spokenOf(model);
    setSpokenName(controls.txtAnswer,
        spoken.problem.empty() ? QStringLiteral("Risposta")
                               : QString::fromStdString(spoken.problem));
    setSpokenName(controls.Picture3, QString::fromStdString(spoken.figure));
    setSpokenName(controls.StatusBar1, QString::fromStdString(spoken.counts));
    setSpokenName(controls.Text1, QString::fromStdString(spoken.unit));
    // Each verdict once: the operation that judged is the one that sends the focus there.
    if (model.focus == Focus::cmdNext)
        announceOnFocus(controls.cmdNext, spoken.judged);
}

void Speaker::announceOnFocus(QWidget *button, const std::string &announcement)
{
    if (button != m_button) {
        m_button = button;
        m_usualName = button->accessibleName();
        m_announced.clear();
        button->installEventFilter(this);
    }
    if (announcement == m_announced)
        return;
    m_announced = announcement;
    setSpokenName(
        button, QString::fromStdString(sentences(announcement, m_usualName.toStdString())));
}

// The focus leaving the button takes the announcement with it: heard again only where the
// pupil asks where the focus is.
bool Speaker::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched == m_button)
        setSpokenName(m_button, m_usualName);
    return false;
}

} // namespace tavola
