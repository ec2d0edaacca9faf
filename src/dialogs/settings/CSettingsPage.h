#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QStringList>
#include <QWidget>

namespace vesk {

class SettingsData;

// One page of the Settings sheet. It fills its controls from the settings
// when it is made and keeps its values to itself until OK, when the sheet
// first lets every page check its input and only then has each one write.
class CSettingsPage : public QWidget {
public:
    CSettingsPage(SettingsData& settings, QWidget* parent) : QWidget(parent), settings_(settings) {}

    // False, once the user has been told why, when OK must keep the sheet
    // open on this page.
    virtual bool Validate() { return true; }
    // Writes the page's values into the settings.
    virtual void Apply() = 0;

protected:
    QCheckBox* AddCheck(const char* name, const QString& text, bool checked) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        box->setChecked(checked);
        return box;
    }
    QComboBox* AddList(const char* name, const QStringList& entries, int current) {
        auto* list = new QComboBox(this);
        list->setObjectName(QLatin1String(name));
        list->addItems(entries);
        list->setCurrentIndex(current);
        return list;
    }

    SettingsData& settings_;
};

}  // namespace vesk
