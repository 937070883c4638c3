#include "platform/settingsstore.h"

#include "common/errors.h"

#include <QSettings>

namespace zm::platform {

namespace {

const QString SubjectKey = QStringLiteral("Fach");

QString nameKey(int number)
{
    return QStringLiteral("fn%1").arg(number);
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmorra"),
                                             QStringLiteral("Zensomat")))
{
}

SettingsStore::~SettingsStore() = default;

void SettingsStore::checkReadable() const
{
    if (m_settings->status() != QSettings::NoError)
        throw Error(QStringLiteral("Die Einstellungen können nicht gelesen werden: %1").arg(m_settings->fileName()));
}

void SettingsStore::commit()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw Error(
            QStringLiteral("Die Einstellungen können nicht gespeichert werden: %1").arg(m_settings->fileName()));
}

std::optional<int> SettingsStore::subject() const
{
    checkReadable();
    const QVariant value = m_settings->value(SubjectKey);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int code = value.toInt(&ok);
    if (!ok)
        throw Error(QStringLiteral("Ungültiger Datentyp für '%1'").arg(SubjectKey));
    return code;
}

std::optional<QString> SettingsStore::subjectName(int number) const
{
    checkReadable();
    const QVariant value = m_settings->value(nameKey(number));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

void SettingsStore::setSubject(int code)
{
    m_settings->setValue(SubjectKey, code);
    commit();
}

void SettingsStore::setSubjectName(int number, const QString &name)
{
    m_settings->setValue(nameKey(number), name);
    commit();
}

} // namespace zm::platform
