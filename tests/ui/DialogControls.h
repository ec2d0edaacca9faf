#pragma once

#include <QComboBox>
#include <QEvent>
#include <QListWidget>
#include <QStringList>

namespace vesk::test {

// A dialog's control by its object name; a missing one ends the run.
template <typename Control>
Control& Find(const QObject& parent, const char* name) {
    auto* control = parent.findChild<Control*>(QLatin1String(name));
    if (control == nullptr) qFatal("no control %s", name);
    return *control;
}

inline QStringList Entries(const QComboBox& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) entries << list.itemText(i);
    return entries;
}

inline QStringList Entries(const QListWidget& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) entries << list.item(i)->text();
    return entries;
}

// Counts the events of one type that reach the objects it filters.
class EventCounter : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type_(type) {}
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type_ ? 1 : 0;
        return false;
    }

private:
    QEvent::Type type_;
};

}  // namespace vesk::test
