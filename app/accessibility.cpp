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
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

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

// A widget heard as a label whose text is its spoken name: the unit box, whose own text,
// "cm", reads as two letters, and a message box's text, whose signs would be read aloud. A
// box keeps telling of its caret, so the label has a text, fixed, to move it in.
class SpokenStaticText final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit SpokenStaticText(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
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

// The caption of a menu entry in words: no access key, and a pause where the caption shows
// a colon, which a synthesizer would read aloud.
QString spokenCaption(const QString &caption)
{
    return QString(caption).remove(u'&').replace(QStringLiteral(": "), QStringLiteral(", "));
}

// What a menu entry needs of the bar or menu that holds it.
struct EntryHolder {
    QPointer<QWidget> widget; // a QMenuBar or a QMenu
    QRect geometry(QAction *entry) const
    {
        if (auto *bar = qobject_cast<QMenuBar *>(widget))
            return bar->actionGeometry(entry);
        return static_cast<QMenu *>(widget.data())->actionGeometry(entry);
    }
    QAction *active() const
    {
        if (auto *bar = qobject_cast<QMenuBar *>(widget))
            return bar->activeAction();
        return static_cast<QMenu *>(widget.data())->activeAction();
    }
    void setActive(QAction *entry) const
    {
        if (auto *bar = qobject_cast<QMenuBar *>(widget))
            return bar->setActiveAction(entry);
        static_cast<QMenu *>(widget.data())->setActiveAction(entry);
    }
};

// An entry of the menu bar or of one of its menus, named in words: a menu where it opens
// one, so that the reader says so, and a menu item where it acts at once.
class MenuEntry final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    MenuEntry(QWidget *holder, QAction *entry)
        : m_holder{holder}
        , m_entry(entry)
    {
    }

    bool isValid() const override { return m_holder.widget && m_entry; }
    QObject *object() const override { return m_entry; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_holder.widget);
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
            return spokenName();
        if (kind == QAccessible::Accelerator && key >= 0 && key + 1 < caption.size())
            return QStringLiteral("Alt+") + caption.at(key + 1).toUpper();
        return {};
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        return m_holder.geometry(m_entry).translated(m_holder.widget->mapToGlobal(QPoint()));
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_holder.widget->isVisible() || !m_entry->isVisible();
        state.focusable = true;
        state.focused = m_holder.active() == m_entry;
        state.disabled = !m_entry->isEnabled();
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
            m_holder.setActive(m_entry);
        else if (name == pressAction())
            m_entry->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    // A reader hears a menu that opens by its first entry, which gets the focus, and not by
    // its own name: the first entry says it.
    QString spokenName() const
    {
        const QString caption = spokenCaption(m_entry->text());
        auto *menu = qobject_cast<QMenu *>(m_holder.widget);
        if (!menu || menu->actions().value(0) != m_entry)
            return caption;
        return QStringLiteral("Menù %1. %2").arg(spokenCaption(menu->title()), caption);
    }

    EntryHolder m_holder;
    QPointer<QAction> m_entry;
};

// The bar or menu an entry belongs to, if it belongs to one.
QWidget *holderOf(QAction *entry)
{
    for (QObject *holder : entry->associatedObjects())
        if (qobject_cast<QMenuBar *>(holder) || qobject_cast<QMenu *>(holder))
            return static_cast<QWidget *>(holder);
    return nullptr;
}

// A note under a control, in the colours of a tooltip, for a few seconds or until the game
// moves on: what the pupil needs to know now and asked for, or did not expect.
class Notice final : public QLabel
{
public:
    explicit Notice(QWidget *window)
        : QLabel(window)
        , m_expiry(this)
    {
        setObjectName(QStringLiteral("notice"));
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setMargin(4);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        m_expiry.setSingleShot(true);
        m_expiry.setInterval(5000);
        QObject::connect(&m_expiry, &QTimer::timeout, this, &QWidget::hide);
    }

    // Hidden first: a reader hears a note as it shows, the same one again too.
    void showUnder(QWidget *control, const QString &text)
    {
        hide();
        setText(text);
        adjustSize();
        move(control->mapTo(parentWidget(), QPoint(0, control->height())));
        raise();
        show();
        m_expiry.start();
    }

private:
    QTimer m_expiry;
};

// Before Qt 6.8 a notification, which a reader says as it shows; from Qt 6.8 on, the note
// goes with an announcement, and a notification would say it twice.
constexpr QAccessible::Role noticeRole =
    QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) ? QAccessible::StaticText : QAccessible::Notification;

class SpokenNotice final : public QAccessibleWidget
{
public:
    explicit SpokenNotice(QLabel *notice)
        : QAccessibleWidget(notice, noticeRole)
    {
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<QLabel *>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *spokenFormFactory(const QString &className, QObject *object)
{
    if (auto *label = qobject_cast<DesignLabel *>(object))
        return className == QLatin1String(DesignLabel::staticMetaObject.className())
            ? new SpokenLabel(label)
            : nullptr;
    if (auto *notice = dynamic_cast<Notice *>(object))
        return new SpokenNotice(notice);
    if (object->metaObject() == &EntryBox::staticMetaObject)
        return new SpokenStaticText(static_cast<QWidget *>(object));
    if (auto *label = qobject_cast<QLabel *>(object))
        if (!label->accessibleName().isEmpty() && qobject_cast<QMessageBox *>(label->window()))
            return new SpokenStaticText(label);
    if (auto *bar = qobject_cast<QMenuBar *>(object))
        return new SpokenMenuBar(bar);
    if (auto *entry = qobject_cast<QAction *>(object))
        if (QWidget *holder = holderOf(entry))
            return new MenuEntry(holder, entry);
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
    withdrawAnnouncement();
    const Spoken spoken = spokenOf(model);
    setSpokenName(controls.txtAnswer,
        spoken.answerBox.empty() ? QStringLiteral("Risposta")
                                 : QString::fromStdString(spoken.answerBox));
    setSpokenName(controls.Picture3, QString::fromStdString(spoken.figure));
    setSpokenName(controls.StatusBar1, QString::fromStdString(spoken.counts));
    setSpokenName(controls.Text1, QString::fromStdString(spoken.unit));
    // Each verdict once: the operation that judged is the one that sends the focus there.
    if (model.focus == Focus::cmdNext)
        announceOnFocus(controls.cmdNext, spoken.judged);
    if (!spoken.refusal.empty())
        announce(controls.txtAnswer, QString::fromStdString(spoken.refusal));
}

// Qt 6.8 hands a reader an announcement, which it says at once. Before it, a reader says a
// notification as it shows: the note is one.
void Speaker::announce(QWidget *source, const QString &text)
{
    if (!m_notice)
        m_notice = new Notice(source->window());
    static_cast<Notice *>(m_notice.data())->showUnder(source, text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, text);
    QAccessible::updateAccessibility(&event);
#endif
}

void Speaker::withdrawAnnouncement()
{
    if (m_notice)
        m_notice->hide();
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
