#pragma once

#include "app/refusal.h"

#include <QString>

namespace qv {

// What a master-data save or delete came to.
//  - Done: written (id is the row written: the new ID of an insert, the ID acted on otherwise).
//  - Refused: a check failed; nothing was written; the window shows refusal.message and
//    focuses refusal.field (the column name of the field: "theName", "theJH", ...).
//  - NotAllowed: the action needs a right the session holds as "否" (CanModify, CanDelete);
//    nothing was written and the window shows nothing, as if the menu item had not been used.
// Rights: every write that needs a right (an edit needs CanModify, a delete CanDelete) takes
// the Session and checks it first, so no such write happens without the right. The looks a
// window takes before asking its delete question (goodsHasStock, categoryHasGoods,
// nameListDeleteGuard) only read and need no right; a window that would ask a question or
// open an edit dialog tests session.mayDelete()/mayModify() first so that nothing is shown.
struct Outcome {
    enum class Kind { Done, Refused, NotAllowed };
    Kind kind = Kind::Done;
    int id = 0;
    Refusal refusal;

    bool done() const { return kind == Kind::Done; }
    bool refused() const { return kind == Kind::Refused; }
    bool notAllowed() const { return kind == Kind::NotAllowed; }

    static Outcome doneWith(int id) { return {Kind::Done, id, {}}; }
    static Outcome refusedWith(Refusal r) { return {Kind::Refused, 0, std::move(r)}; }
    static Outcome refusedWith(const QString &message, const QString &field)
    {
        return refusedWith(Refusal{message, field});
    }
    static Outcome notAllowedHere() { return {Kind::NotAllowed, 0, {}}; }
};

// "{field} 不能为空，请重新录入！" and "{field} 已存在，请重新录入！", the two fixed refusal forms.
inline QString mustNotBeEmpty(const QString &fieldName)
{
    return fieldName + QStringLiteral(" 不能为空，请重新录入！");
}
inline QString alreadyExists(const QString &fieldName)
{
    return fieldName + QStringLiteral(" 已存在，请重新录入！");
}
// "恭喜！恭喜！ {object} 保存成功！", the message of a save that is not part of continuous entry.
inline QString savedMessage(const QString &object)
{
    return QStringLiteral("恭喜！恭喜！ ") + object + QStringLiteral(" 保存成功！");
}

} // namespace qv
