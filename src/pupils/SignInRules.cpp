#include "pupils/SignInRules.h"

#include "data/Options.h"
#include "data/SettingsStore.h"

#include <algorithm>

namespace SignInRules {

QString trimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool listOrder(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

void sortList(QStringList& list) {
    std::stable_sort(list.begin(), list.end(), listOrder);
}

Groups collectGroups(QStringList groupEntries) {
    Groups groups;
    if (groupEntries.isEmpty())
        return groups;
    sortList(groupEntries);
    const qsizetype count = groupEntries.size();
    groups.groupes = QStringList(count + 1, QString());
    for (qsizetype j = 0; j < count; ++j) {
        const QString& entry = groupEntries.at(j);
        const QString next = j + 1 < count ? groupEntries.at(j + 1) : QString();
        if (entry != next) {
            groups.choices << entry;
            groups.groupes[j] = entry;
            groups.nbGroupes = static_cast<int>(count);
        }
    }
    return groups;
}

bool pupilPasswordMatches(const QString& storedPassword, const QString& typed) {
    return trimSpaces(storedPassword) == typed;
}

ManagementAnswer checkManagementPassword(SettingsStore& settings, const QString& typed) {
    const QString stored = settings.read(Options::Configuration, Options::MotDePasse);
    if (typed != MotDePasseParDefaut) {
        if (stored.isEmpty())
            settings.write(Options::Configuration, Options::MotDePasse, MotDePasseParDefaut);
        if (settings.read(Options::Configuration, Options::MotDePasse) == MotDePasseParDefaut)
            return ManagementAnswer::ShowDefaultPassword;
    }
    if (typed.isEmpty())
        return ManagementAnswer::AskPassword;
    return typed == stored ? ManagementAnswer::OpenConsole : ManagementAnswer::WrongPassword;
}

QString defaultPasswordMessage() {
    return QStringLiteral("Votre mot de passe par défaut est \"pivoine\".\n"
                          "Il est conseillé de le changer rapidement.\n"
                          "Cliquer à nouveau sur le bouton \"gestionnaire\".");
}

QString registrationQuestion(const QString& name, const QString& group, const QString& password,
                             const QString& confirmation) {
    if (trimSpaces(name).isEmpty())
        return QStringLiteral("Quel est ton nom ?");
    if (trimSpaces(group).isEmpty())
        return QStringLiteral("Quel est ton groupe ?");
    if (confirmation != password)
        return QStringLiteral("Confirme ton mot de passe");
    // A password of spaces only would be stored empty, and an empty password can never be typed
    // at sign-in: it is refused like an empty one.
    if (trimSpaces(password).isEmpty())
        return QStringLiteral("Et ton mot de passe ?");
    return {};
}

QString registrationConfirmation(const QString& name, const QString& group) {
    return QStringLiteral("Tu t'appelles : ") + name + u'\n' + QStringLiteral("Ton groupe est : ") +
           group + u'\n' +
           QStringLiteral("Ton mot de passe est confidentiel, ne le perds pas !\n") +
           QStringLiteral("Si tu acceptes ces conditions, clique sur le bouton \"Oui,\"\n") +
           QStringLiteral("puis, clique sur ton nom dans la liste... et bonne chance.");
}

} // namespace SignInRules
