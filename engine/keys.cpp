// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/keys.h"

#include <algorithm>

namespace tavola {

KeyVerdict filterAnswerKey(int characterCode)
{
    const bool isDigit = characterCode >= '0' && characterCode <= '9';
    if (isDigit || characterCode == commaCode || characterCode == backspaceCode)
        return KeyVerdict::Pass;
    if (characterCode == enterCode)
        return KeyVerdict::Judge;
    return KeyVerdict::Discard;
}

EnterAction enterAction(FocusedControl focused, bool cmdNextEnabled)
{
    if (focused == FocusedControl::cmdExit)
        return EnterAction::Exit;
    if (cmdNextEnabled)
        return EnterAction::PoseNext;
    if (focused == FocusedControl::txtAnswer)
        return EnterAction::Judge;
    return EnterAction::Nothing;
}

std::string withInsertionTrimmed(std::string_view before, std::string_view after)
{
    const auto kept = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < kept && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < kept - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    std::string_view piece = after.substr(head, after.size() - head - tail);
    constexpr std::string_view blanks = " \t\r\n\v\f";
    piece.remove_prefix(std::min(piece.find_first_not_of(blanks), piece.size()));
    piece.remove_suffix(piece.size() - std::min(piece.find_last_not_of(blanks) + 1, piece.size()));
    std::string result(after.substr(0, head));
    result.append(piece).append(after.substr(after.size() - tail));
    return result;
}

} // namespace tavola
