#include "TextSources.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace TextSources {

namespace {

constexpr int ExercisesPerFamily = 10;
constexpr int SentencesPerExercise = 10;
constexpr int MaxVerses = 10;

template <typename T> std::optional<T> fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return std::nullopt;
}

QString where(const QString& path, int line) {
    return QStringLiteral("%1:%2: ").arg(QDir::toNativeSeparators(path)).arg(line);
}

std::optional<QString> readText(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail<QString>(error, QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(file.readAll());
}

// The text of the first "#" comment of a file, without the "#".
QString firstComment(const QString& path) {
    const std::optional<QString> text = readText(path, nullptr);
    if (!text)
        return {};
    for (const QString& line : text->split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'#'))
            return trimmed.mid(1).trimmed();
    }
    return {};
}

QString columnOfFamily(const QString& stem, int exercise) {
    return stem + QString::number(exercise);
}

// A sentence the dictation can judge: the model loses its last two characters when it ends
// with "?" or "!", so these marks need the space before them.
QString sentenceProblem(const QString& text) {
    if (text.contains(u'"'))
        return QStringLiteral("a sentence cannot hold a double quote");
    if (text.endsWith(QLatin1String(" ?")) || text.endsWith(QLatin1String(" !")))
        return {};
    if (text.endsWith(u'?') || text.endsWith(u'!'))
        return QStringLiteral("write a space before the final \"?\" or \"!\"");
    if (text.endsWith(u'.') && !text.endsWith(QLatin1String(" .")))
        return {};
    return QStringLiteral("a sentence ends with \" ?\", \" !\" or \".\"");
}

std::optional<Word> parseWord(const QString& column, const QString& path, const Line& line,
                              QString* error) {
    static const QRegularExpression keyPattern(QStringLiteral("^k[0-9]{1,2}$"));
    const QStringList fields = line.text.split(u'\t');
    // Further columns, if a list has any, belong to other steps of the generator.
    if (fields.size() < 2)
        return fail<Word>(error, where(path, line.number) +
                                     QStringLiteral("expected key, English and French"));
    Word word{column, fields.at(0).trimmed(), fields.at(1).trimmed(),
              fields.size() >= 3 ? fields.at(2).trimmed() : QString()};
    if (!keyPattern.match(word.key).hasMatch() || word.english.isEmpty())
        return fail<Word>(error, where(path, line.number) +
                                     QStringLiteral("bad key or empty English label"));
    return word;
}

std::optional<QuizQuestion> parseQuestion(const QString& path, const Line& line, QString* error) {
    const QStringList fields = line.text.split(u'\t');
    if (fields.size() != 5)
        return fail<QuizQuestion>(
            error, where(path, line.number) +
                       QStringLiteral("expected a question, three answers and the right ones"));
    QuizQuestion question;
    question.question = fields.at(0).trimmed();
    for (int i = 0; i < 3; ++i) {
        question.answers[i] = fields.at(i + 1).trimmed();
        question.right[i] = fields.at(4).contains(QChar(u'1' + i));
    }
    static const QRegularExpression rightPattern(QStringLiteral("^[123]{1,3}$"));
    if (!rightPattern.match(fields.at(4).trimmed()).hasMatch())
        return fail<QuizQuestion>(error, where(path, line.number) +
                                             QStringLiteral("mark at least one right answer"));
    if (question.question.isEmpty() || question.question.contains(u'"'))
        return fail<QuizQuestion>(
            error, where(path, line.number) +
                       QStringLiteral("a question is not empty and holds no double quote"));
    return question;
}

} // namespace

std::optional<QList<Line>> readLines(const QString& path, QString* error) {
    const std::optional<QString> text = readText(path, error);
    if (!text)
        return std::nullopt;
    QList<Line> lines;
    int number = 0;
    for (QString line : text->split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(u'#'))
            lines.append({number, trimmed});
    }
    return lines;
}

std::optional<QList<Word>> readWords(const QString& contentFolder, QString* error) {
    const QDir folder(contentFolder + QStringLiteral("/words"));
    QList<Word> words;
    const QStringList files =
        folder.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : files) {
        const QString path = folder.filePath(name);
        const QString column = QFileInfo(name).completeBaseName();
        const std::optional<QList<Line>> lines = readLines(path, error);
        if (!lines)
            return std::nullopt;
        QSet<QString> keys;
        for (const Line& line : *lines) {
            std::optional<Word> word = parseWord(column, path, line, error);
            if (!word)
                return std::nullopt;
            if (keys.contains(word->key))
                return fail<QList<Word>>(error, where(path, line.number) +
                                                    QStringLiteral("key listed twice"));
            keys.insert(word->key);
            words.append(*word);
        }
    }
    return words;
}

QString sentenceKey(const QString& column, int button) {
    const bool dictation = column.startsWith(QLatin1String("Dictee"));
    const int exercise = column.mid(dictation ? 6 : 5).toInt();
    return QString::number(dictation ? 1 : 0) + QString::number(exercise - 1) +
           QString::number(button);
}

std::optional<QList<Sentence>> readSentences(const QString& contentFolder, QString* error) {
    QList<Sentence> sentences;
    for (const QString& stem : {QStringLiteral("Texte"), QStringLiteral("Dictee")}) {
        for (int exercise = 1; exercise <= ExercisesPerFamily; ++exercise) {
            const QString column = columnOfFamily(stem, exercise);
            const QString path =
                contentFolder + QStringLiteral("/sentences/") + column + QStringLiteral(".txt");
            const std::optional<QList<Line>> lines = readLines(path, error);
            if (!lines)
                return std::nullopt;
            if (lines->size() != SentencesPerExercise)
                return fail<QList<Sentence>>(
                    error, where(path, 1) + QStringLiteral("expected exactly ten sentences"));
            for (int button = 0; button < SentencesPerExercise; ++button) {
                const Line& line = lines->at(button);
                const QString problem = sentenceProblem(line.text);
                if (!problem.isEmpty())
                    return fail<QList<Sentence>>(error, where(path, line.number) + problem);
                sentences.append({column, button, sentenceKey(column, button), line.text});
            }
        }
    }
    return sentences;
}

QString verseKey(int rhyme, int verse) {
    if (verse == MaxVerses)
        return QStringLiteral("160");
    return QStringLiteral("1") + QString::number(rhyme - 1) + QString::number(verse);
}

std::optional<QList<Rhyme>> readRhymes(const QString& contentFolder, QString* error) {
    QList<Rhyme> rhymes;
    int tenVerseRhymes = 0;
    for (int number = 1; number <= ExercisesPerFamily; ++number) {
        const QString path = contentFolder + QStringLiteral("/rhymes/Comptine%1.txt").arg(number);
        const std::optional<QList<Line>> lines = readLines(path, error);
        if (!lines)
            return std::nullopt;
        if (lines->isEmpty() || lines->size() > MaxVerses)
            return fail<QList<Rhyme>>(error, where(path, 1) +
                                                 QStringLiteral("a rhyme has 1 to 10 verses"));
        if (lines->size() == MaxVerses && ++tenVerseRhymes > 1)
            return fail<QList<Rhyme>>(
                error, where(path, 1) +
                           QStringLiteral("only one rhyme may have ten verses (row \"160\")"));
        Rhyme rhyme{number, firstComment(path), {}};
        for (const Line& line : *lines)
            rhyme.verses.append(line.text);
        rhymes.append(rhyme);
    }
    return rhymes;
}

std::optional<QList<QuizQuestion>> readQuiz(const QString& contentFolder, QString* error) {
    const QString path = contentFolder + QStringLiteral("/quiz.tsv");
    const std::optional<QList<Line>> lines = readLines(path, error);
    if (!lines)
        return std::nullopt;
    QList<QuizQuestion> questions;
    QSet<QString> seen;
    for (const Line& line : *lines) {
        std::optional<QuizQuestion> question = parseQuestion(path, line, error);
        if (!question)
            return std::nullopt;
        if (seen.contains(question->question.toCaseFolded()))
            return fail<QList<QuizQuestion>>(error, where(path, line.number) +
                                                        QStringLiteral("question listed twice"));
        seen.insert(question->question.toCaseFolded());
        questions.append(*question);
    }
    return questions;
}

std::optional<QList<LexiconPair>> readLexicon(const QString& contentFolder,
                                              const QList<Word>& words, QString* error) {
    const QString path = contentFolder + QStringLiteral("/lexicon.tsv");
    const std::optional<QList<Line>> lines = readLines(path, error);
    if (!lines)
        return std::nullopt;
    QList<LexiconPair> pairs;
    QSet<QString> seen;
    auto add = [&](const LexiconPair& pair) {
        const QString id = pair.english + u'\t' + pair.french;
        if (!seen.contains(id)) {
            seen.insert(id);
            pairs.append(pair);
        }
    };
    for (const Line& line : *lines) {
        const QStringList fields = line.text.split(u'\t');
        if (fields.size() != 2 || fields.at(0).trimmed().isEmpty() ||
            fields.at(1).trimmed().isEmpty())
            return fail<QList<LexiconPair>>(
                error, where(path, line.number) + QStringLiteral("expected English and French"));
        add({fields.at(0).trimmed(), fields.at(1).trimmed()});
    }
    for (const Word& word : words) {
        if (!word.french.isEmpty())
            add({word.english, word.french});
    }
    return pairs;
}

QByteArray sourcesFingerprint(const QString& contentFolder, const QStringList& relativePaths) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& relative : relativePaths) {
        const QString path = contentFolder + u'/' + relative;
        QStringList files;
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
            files.sort();
        } else {
            files << path;
        }
        for (const QString& file : files) {
            QFile source(file);
            hash.addData(QDir(contentFolder).relativeFilePath(file).toUtf8() + '\n');
            if (source.open(QIODevice::ReadOnly))
                hash.addData(&source);
            hash.addData(QByteArrayLiteral("\n--\n"));
        }
    }
    return hash.result().toHex().left(32);
}

} // namespace TextSources
