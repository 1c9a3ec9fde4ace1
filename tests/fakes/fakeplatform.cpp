#include "fakes/fakeplatform.h"

#include <algorithm>

namespace vorlane::testing {

MessageAnswer FakePrompts::ask(const Message &message)
{
    asked.append(message);
    if (onAsk)
        onAsk(message);
    if (!answers.empty()) {
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (message.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

std::optional<QString> FakeFiles::resolve(const QString &path) const
{
    queries.append(path);
    if (paths.contains(path))
        return path;
    QStringList sorted = paths;
    std::sort(sorted.begin(), sorted.end());
    for (const QString &p : sorted) {
        if (p.compare(path, Qt::CaseInsensitive) == 0)
            return p;
    }
    return std::nullopt;
}

bool FakeFiles::remove(const QString &path)
{
    const std::optional<QString> p = resolve(path);
    if (!p)
        return false;
    paths.removeAll(*p);
    removed.append(*p);
    return true;
}

QDateTime FakeFiles::creationTime(const QString &path) const
{
    return resolve(path) ? QDateTime(QDate(2001, 9, 3), QTime(10, 0)) : QDateTime();
}

TaskId FakeProcesses::start(const QString &program, const QStringList &arguments, WindowShow show)
{
    starts.append({program, arguments, show});
    if (nextTask == 0)
        return 0;
    return nextTask++;
}

bool FakeProcesses::bringToFront(TaskId task)
{
    broughtToFront.append(task);
    return true;
}

} // namespace vorlane::testing
