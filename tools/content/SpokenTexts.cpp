#include "SpokenTexts.h"

#include "ContentCache.h"
#include "Speech.h"

#include <QMutex>
#include <QRegularExpression>
#include <QThreadPool>

namespace SpokenTexts {

namespace {

using namespace TextSources;

// Changing the voice settings of Speech must make every recording again: bump this then.
const QByteArray VoiceVersion =
    QByteArrayLiteral("espeak-ng en-gb 125 wpm, gap 4, sox repeatable dither");

constexpr int FirstRhymeExercise = 49;

bool isRepereList(const QString& column) {
    static const QRegularExpression pattern(QStringLiteral("^Son([1-9]|10)$"));
    return pattern.match(column).hasMatch();
}

QString wavePath(const QString& name) {
    return Folder + u'/' + name + QStringLiteral(".wav");
}

QByteArray fingerprintOf(const QString& text) {
    return ContentCache::fingerprint({VoiceVersion, text.toUtf8()});
}

} // namespace

int rhymeExercise(int rhyme) {
    return FirstRhymeExercise + rhyme - 1;
}

QList<Recording> recordings(const QList<Word>& words, const QList<Sentence>& sentences,
                            const QList<Rhyme>& rhymes) {
    QList<Recording> list;
    for (const Word& word : words) {
        if (isRepereList(word.column))
            list.append({wavePath(word.column + word.key), word.english});
    }
    for (const Sentence& sentence : sentences)
        list.append(
            {wavePath(sentence.column + u'k' + QString::number(sentence.button)), sentence.text});
    for (const Rhyme& rhyme : rhymes) {
        const QString exercise = QString::number(rhymeExercise(rhyme.number));
        for (int verse = 1; verse <= rhyme.verses.size(); ++verse)
            list.append(
                {wavePath(u'1' + exercise + QString::number(verse)), rhyme.verses.at(verse - 1)});
        list.append({wavePath(u'1' + exercise + exercise + u'0'), rhyme.verses.join(u'\n')});
    }
    return list;
}

bool synthesise(const QList<Recording>& recordings, ContentCache& cache, QString* error) {
    QList<Recording> pending;
    for (const Recording& recording : recordings) {
        if (!cache.upToDate(recording.relativePath, fingerprintOf(recording.text)))
            pending.append(recording);
    }
    QMutex lock;
    QStringList failures;
    QList<Recording> made;
    QThreadPool pool;
    for (const Recording& recording : pending) {
        pool.start([&, recording] {
            QString reason;
            const bool ok =
                Speech::synthesise(recording.text, cache.path(recording.relativePath), &reason);
            const QMutexLocker locker(&lock);
            if (ok)
                made.append(recording);
            else
                failures.append(recording.relativePath + QStringLiteral(": ") + reason);
        });
    }
    pool.waitForDone();
    for (const Recording& recording : made)
        cache.record(recording.relativePath, fingerprintOf(recording.text));
    cache.save();
    if (!failures.isEmpty() && error) {
        failures.sort();
        *error = failures.join(u'\n');
    }
    return failures.isEmpty();
}

bool generate(const QString& contentFolder, ContentCache& cache, QString* error) {
    const auto words = readWords(contentFolder, error);
    const auto sentences = words ? readSentences(contentFolder, error) : std::nullopt;
    const auto rhymes = sentences ? readRhymes(contentFolder, error) : std::nullopt;
    return rhymes && synthesise(recordings(*words, *sentences, *rhymes), cache, error);
}

} // namespace SpokenTexts
