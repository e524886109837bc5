#include "cardprotocol.h"

#include <QList>

namespace CardProtocol {

namespace {

const QByteArray separator = QByteArrayLiteral(" : ");

// Splits "head : bytes" and decodes the bytes; false when the byte part is malformed.
bool splitBytes(const QByteArray &line, QByteArray *head, QByteArray *bytes)
{
    const int at = line.indexOf(separator);
    *head = at < 0 ? line : line.left(at);
    bytes->clear();
    if (at < 0)
        return true;
    for (const QByteArray &hex : line.mid(at + separator.size()).split(' ')) {
        bool ok = false;
        const int value = hex.toInt(&ok, 16);
        if (!ok || hex.size() != 2 || value < 0)
            return false;
        bytes->append(static_cast<char>(value));
    }
    return true;
}

QByteArray withBytes(QByteArray head, const QByteArray &bytes)
{
    if (!bytes.isEmpty())
        head += separator + hexBytes(bytes);
    return head;
}

} // namespace

QByteArray hexBytes(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

QByteArray Request::toLine() const
{
    QByteArray line = entry + ' ' + QByteArray::number(vid, 16).toUpper().rightJustified(4, '0') + ' '
                      + QByteArray::number(pid, 16).toUpper().rightJustified(4, '0');
    for (int argument : arguments)
        line += ' ' + QByteArray::number(argument);
    return withBytes(line, bytes);
}

bool Request::parse(const QByteArray &line)
{
    QByteArray head;
    if (!splitBytes(line, &head, &bytes))
        return false;
    const QList<QByteArray> words = head.split(' ');
    if (words.size() < 3 || words.at(0).isEmpty())
        return false;
    bool vidOk = false;
    bool pidOk = false;
    entry = words.at(0);
    vid = words.at(1).toInt(&vidOk, 16);
    pid = words.at(2).toInt(&pidOk, 16);
    arguments.clear();
    for (int i = 3; i < words.size(); ++i) {
        bool ok = false;
        arguments.append(words.at(i).toInt(&ok));
        if (!ok)
            return false;
    }
    // Ids are 16-bit: a signed or wider one would be written back as other digits than were read.
    return vidOk && pidOk && vid >= 0 && vid <= 0xFFFF && pid >= 0 && pid <= 0xFFFF;
}

QByteArray Reply::toLine() const
{
    return withBytes(QByteArray::number(code), bytes);
}

bool Reply::parse(const QByteArray &line)
{
    QByteArray head;
    bool ok = false;
    if (!splitBytes(line, &head, &bytes))
        return false;
    code = head.toInt(&ok);
    return ok;
}

} // namespace CardProtocol
