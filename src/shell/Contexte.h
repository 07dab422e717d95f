#pragma once

#include "data/SettingsStore.h"
#include "platform/Platform.h"
#include "shell/General.h"

#include <QString>
#include <memory>

class FormRegistry;
class MciInterpreter;
class VolumeAudioSystem;

// Everything a window works with: the platform services, the settings store, the shared
// variables, the program folder and the registry of loaded windows. The program builds one with
// the real services; each test builds its own with fakes.
class Contexte {
public:
    Contexte(Platform platform, SettingsStore settings, QString programFolder);
    ~Contexte();
    Contexte(const Contexte&) = delete;
    Contexte& operator=(const Contexte&) = delete;

    Platform& platform() { return platform_; }
    MessageBox& messageBox() { return *platform_.messageBox; }
    SettingsStore& settings() { return settings_; }
    Général& general() { return general_; }
    FormRegistry& forms() { return *forms_; }
    const QString& programFolder() const { return programFolder_; }
    // The user's own writable folder, where the first start puts a copy of the sample database.
    const QString& userDataFolder() const { return userDataFolder_; }
    void setUserDataFolder(const QString& folder) { userDataFolder_ = folder; }

    // Real path of a media file given as "\Folder\file.ext" relative to the program folder.
    QString media(const QString& windowsPath) const;

    // The one effects channel of the program, shared by every window: a new effect cuts off the
    // one playing. Made from the platform's audio system on first use.
    AudioChannel& effects();
    // The program's one interpreter of multimedia command strings ("open ... alias sound", ...).
    MciInterpreter& mci();

    // The volume of every sound the program makes, from 0 (silent) to 65000 (full).
    void setVolume(int volume);

    // Ends the program.
    void quit(int exitCode = 0) { platform_.quitter->quit(exitCode); }

private:
    Platform platform_;
    SettingsStore settings_;
    Général general_;
    QString programFolder_;
    QString userDataFolder_;
    std::unique_ptr<FormRegistry> forms_;
    std::unique_ptr<AudioChannel> effects_;
    std::unique_ptr<MciInterpreter> mci_;
    VolumeAudioSystem* volume_ = nullptr; // owned by platform_.audio
};
