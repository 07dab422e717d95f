#pragma once

#include "TextSources.h"

#include <QList>
#include <QString>

class ContentCache;

// The spoken English of the listening exercises that come from the text sources: the Repère
// words and reference sounds (\MciLangue\Son<N>k<i>.wav), the Distingue and Ecris sentences
// (\MciLangue\Texte<N>k<i>.wav, \MciLangue\Dictee<N>k<i>.wav) and the nursery rhymes, verse by
// verse (\MciLangue\1<E><k>.wav) and whole (\MciLangue\1<E><E>0.wav), E being the exercise
// number 49..58 of the rhyme.
namespace SpokenTexts {

struct Recording {
    QString relativePath; // inside the program folder, e.g. "MciLangue/Texte1k0.wav"
    QString text;         // what is said
};

inline const QString Folder = QStringLiteral("MciLangue");

// Every recording the sources call for. Word lists other than Son1..Son10 are spoken by the
// picture side of the generator.
QList<Recording> recordings(const QList<TextSources::Word>& words,
                            const QList<TextSources::Sentence>& sentences,
                            const QList<TextSources::Rhyme>& rhymes);

// The exercise number of rhyme 1..10 (49..58), which names its sound files.
int rhymeExercise(int rhyme);

// Synthesises, into the cache's program folder, the recordings whose text changed since the
// last run, several at a time.
bool synthesise(const QList<Recording>& recordings, ContentCache& cache, QString* error);

// The content generator's spoken-text step.
bool generate(const QString& contentFolder, ContentCache& cache, QString* error);

} // namespace SpokenTexts
