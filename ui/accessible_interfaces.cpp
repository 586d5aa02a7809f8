// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible_interfaces.h"

#include "announcer.h"
#include "image_holder.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace pabrel::ui {

namespace {

// The window reads its controls in the order they appear, top to bottom and then left to
// right; the picture stores below its edge only hold pictures and are left out.
class AccessibleForm : public QAccessibleWidget
{
public:
    explicit AccessibleForm(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(readingOrder().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> controls = readingOrder();
        if (index < 0 || index >= controls.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(controls[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr ? static_cast<int>(readingOrder().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> readingOrder() const
    {
        QList<QWidget*> controls;
        for (QObject* each : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(each);
            if (control != nullptr && !control->isWindow() &&
                qobject_cast<ImageHolder*>(control) == nullptr) {
                controls.append(control);
            }
        }
        std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return controls;
    }
};

// The status label, read as a status bar with its text, so that reviewing the window
// finds the level, the count or the result on show.
class AccessibleStatus : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleStatus(QWidget* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // The announcements are not part of what is on show.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    QString text(QAccessible::Text which) const override { return QAccessibleWidget::text(which); }

    // The texts are a word or two: a character is a character, and every larger unit is
    // the whole text.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        const int length = characterCount();
        if (boundary == QAccessible::CharBoundary) {
            *startOffset = std::clamp(offset, 0, length);
            *endOffset = std::min(*startOffset + 1, length);
        } else {
            *startOffset = 0;
            *endOffset = length;
        }
        return text(*startOffset, *endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        if (boundary == QAccessible::CharBoundary && offset > 0) {
            return textAtOffset(offset - 1, boundary, startOffset, endOffset);
        }
        *startOffset = *endOffset = 0;
        return QString();
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        if (boundary == QAccessible::CharBoundary && offset + 1 < characterCount()) {
            return textAtOffset(offset + 1, boundary, startOffset, endOffset);
        }
        *startOffset = *endOffset = characterCount();
        return QString();
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    // Where each character is drawn, in screen coordinates: the label draws its one line
    // centred at the top of its contents.
    QRect characterRect(int offset) const override
    {
        const QString text = shown();
        if (offset < 0 || offset >= text.size()) {
            return QRect();
        }
        const auto* label = static_cast<QLabel*>(widget());
        const QFontMetrics metrics(label->font());
        const QRect contents = label->contentsRect();
        const int left = contents.left() + (contents.width() - metrics.horizontalAdvance(text)) / 2;
        const QRect local(left + metrics.horizontalAdvance(text.left(offset)), contents.top(),
                          metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return QRect(label->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (characterRect(offset).contains(point)) {
                return offset;
            }
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    QString shown() const { return static_cast<QLabel*>(widget())->text(); }
};

// One thing said aloud: a notification inside the status bar, named with what it says.
class AccessibleAnnouncement : public QAccessibleObject
{
public:
    explicit AccessibleAnnouncement(Announcement* announcement) : QAccessibleObject(announcement) {}

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Name ? static_cast<Announcement*>(object())->text()
                                          : QString();
    }
    QRect rect() const override { return parent() != nullptr ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("pabrel::ui::Form1")) {
        return new AccessibleForm(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("pabrel::ui::PictureBox")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    if (className == QLatin1String("pabrel::ui::StatusLabel")) {
        return new AccessibleStatus(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("pabrel::ui::Announcement")) {
        return new AccessibleAnnouncement(static_cast<Announcement*>(object));
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace pabrel::ui
