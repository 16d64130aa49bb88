// SPDX-License-Identifier: MIT
// QSettings in INI form, so that the file can be read and deleted by hand.
#include "window/remembered_choices.h"

#include "flight/number_text.h"
#include "window/controls/lesson_menu.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSettings>
#include <QStandardPaths>
#include <cmath>
#include <memory>

namespace purzo {

QString DefaultChoicesFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Purzosimulation/purzo.conf");
}

RememberedChoices LoadChoices(const QString& file) {
    const QSettings settings(file, QSettings::IniFormat);
    RememberedChoices c;
    c.tools.path = settings.value(QStringLiteral("tools/path"), false).toBool();
    c.tools.sequence = settings.value(QStringLiteral("tools/sequence"), false).toBool();
    c.tools.data = settings.value(QStringLiteral("tools/data"), false).toBool();
    c.tools.previous = settings.value(QStringLiteral("tools/previous"), false).toBool();
    c.tools.wholeView = settings.value(QStringLiteral("tools/wholeView"), false).toBool();
    c.model = ParseModel(settings.value(QStringLiteral("model")).toString().toStdString())
                  .value_or(Model::Classic);
    const int pace = settings.value(QStringLiteral("pace"), 0).toInt();
    c.pace = pace >= 0 && pace <= int(Pace::ExtremeSlowMotion) ? Pace(pace) : Pace::RealTime;
    const auto number = [&settings](const char* key, double standard) {
        bool ok = false;
        const double value = settings.value(QLatin1String(key), standard).toDouble(&ok);
        return ok ? value : std::nan("");
    };
    // Earlier versions kept the body height as "athlete/heightM".
    const char* heightKey = settings.contains(QStringLiteral("athlete/bodyHeightM"))
                                ? "athlete/bodyHeightM"
                                : "athlete/heightM";
    c.athlete = WithinRange({number("athlete/massKg", kMassRangeKg.standard),
                             number(heightKey, kHeightRangeM.standard),
                             number("athlete/spinDegPerS", kSpinRangeDegPerS.standard),
                             number("athlete/limbSpeedRadPerS", kLimbSpeedRangeRadPerS.standard)});
    return c;
}

void SaveChoices(const QString& file, const RememberedChoices& c) {
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(QStringLiteral("tools/path"), c.tools.path);
    settings.setValue(QStringLiteral("tools/sequence"), c.tools.sequence);
    settings.setValue(QStringLiteral("tools/data"), c.tools.data);
    settings.setValue(QStringLiteral("tools/previous"), c.tools.previous);
    settings.setValue(QStringLiteral("tools/wholeView"), c.tools.wholeView);
    settings.setValue(
        QStringLiteral("model"),
        QString::fromLatin1(ModelName(c.model).data(), qsizetype(ModelName(c.model).size())));
    settings.setValue(QStringLiteral("pace"), int(c.pace));
    // Plain decimals, exactly as the log writes them: "0.0001", never "1e-04" or "-0".
    const auto plain = [](double value) { return QString::fromStdString(PlainDecimalText(value)); };
    settings.setValue(QStringLiteral("athlete/massKg"), plain(c.athlete.massKg));
    settings.setValue(QStringLiteral("athlete/bodyHeightM"), plain(c.athlete.bodyHeightM));
    settings.remove(QStringLiteral("athlete/heightM"));
    settings.setValue(QStringLiteral("athlete/spinDegPerS"), plain(c.athlete.spinDegPerS));
    settings.setValue(QStringLiteral("athlete/limbSpeedRadPerS"),
                      plain(c.athlete.limbSpeedRadPerS));
    settings.sync();
}

void KeepChoices(const QString& file, LessonMenu* menu, QButtonGroup* paceOptions) {
    const RememberedChoices loaded = LoadChoices(file);
    menu->setTools(loaded.tools);
    menu->setModel(loaded.model);
    menu->setAthlete(loaded.athlete);
    paceOptions->button(int(loaded.pace))->setChecked(true);
    auto remembered = std::make_shared<RememberedChoices>(loaded);
    auto save = [file, menu, paceOptions, remembered] {
        remembered->tools = menu->tools();
        remembered->pace = Pace(paceOptions->checkedId());
        SaveChoices(file, *remembered);
    };
    QObject::connect(menu, &LessonMenu::toolsChanged, menu, save);
    QObject::connect(menu, &LessonMenu::modelChanged, menu, [save, remembered](Model model) {
        remembered->model = model;
        save();
    });
    QObject::connect(menu, &LessonMenu::athleteChanged, menu,
                     [save, remembered](const Athlete& athlete) {
                         remembered->athlete = athlete;
                         save();
                     });
    QObject::connect(paceOptions, &QButtonGroup::idToggled, menu, [save](int, bool checked) {
        if (checked) {
            save();
        }
    });
}

} // namespace purzo
