#include "FakePlatform.h"

FakePlatform::FakePlatform()
    : recordDir(dataDir.filePath(QStringLiteral("corvalesta"))),
      accountDir(dataDir.filePath(QStringLiteral("corvalesta")))
{
}

QStringList FakePlatform::boxPrompts() const
{
    QStringList prompts;
    for (const Box& box : boxes)
        prompts << box.prompt;
    return prompts;
}

int FakePlatform::messageBox(const QString& prompt, int buttons, const QString& title,
                             const QString& spoken)
{
    const Box box{prompt, buttons, title, spoken};
    boxes << box;
    if (whileBoxOpen)
        whileBoxOpen(box);
    if (!boxAnswers.isEmpty())
        return boxAnswers.takeFirst();
    return buttons == YesNoQuestionDefaultNo ? AnswerNo : AnswerOk;
}

QString FakePlatform::inputBox(const QString& prompt, const QStringList& offered)
{
    inputPrompts << prompt;
    inputChoices << offered;
    if (whileInputOpen)
        whileInputOpen(prompt);
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

int FakePlatform::choose(const QString& prompt, const QStringList& offered)
{
    inputPrompts << prompt;
    choices << offered;
    return choiceAnswers.isEmpty() ? 0 : choiceAnswers.takeFirst();
}

double FakePlatform::random()
{
    ++randomsDrawn;
    return randoms.isEmpty() ? 0.5 : randoms.takeFirst();
}

void FakePlatform::endProgram(int status)
{
    if (!ended)
        exitStatus = status;
    ended = true;
    ++endings;
}
