#pragma once

#include <QString>

// Error codes of the command-string audio layer (0 is success).
enum MciError : int {
    MciOk = 0,
    MciUnrecognizedCommand = 261,
    MciInvalidDeviceName = 263, // the alias is not open
    MciFileNotFound = 275,
    MciDeviceNotReady = 276, // no sound input works
    MciOutOfRange = 282,
    MciFileNotSaved = 286,
    MciDuplicateAlias = 289,
    MciInvalidFile = 296, // not a readable wave file
};

// Takes the multimedia command strings that the sound engine sends.
class MciSender {
public:
    virtual ~MciSender() = default;
    // Carries out one command. Returns 0 on success or an MciError; a command that answers
    // (status) writes its answer to reply, which is emptied otherwise.
    virtual int send(const QString& command, QString* reply = nullptr) = 0;
};
