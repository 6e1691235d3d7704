// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Message maps: each dialog class lists which of its handlers answers which window message and
// which (control id, notification) pair, and names its base class's map, which is consulted after
// its own. Entries are made from member function pointers, so a handler of the wrong shape does
// not compile:
//
//     const MessageMap& ServerDialog::ThisMessageMap()
//     {
//         static constexpr CommandEntry commands[] = {
//             MapCommand<&ServerDialog::OnServerNameChange>(1002, EN_CHANGE),
//             MapCommand<&ServerDialog::AddStreamQueue>(1008),
//         };
//         static constexpr MessageEntry messages[] = {MapMessage<&ServerDialog::OnClose>(WM_CLOSE)};
//         static const MessageMap map{&HelpDialog::ThisMessageMap(), messages, commands};
//         return map;
//     }
//
// Command handlers take nothing and return nothing. Message handlers take (WPARAM, LPARAM) and
// return the message result, or take nothing and return nothing (the result is then 0).
#include <span>
#include <type_traits>

#include "ui/base/win_defs.h"

class CDialog;

struct CommandEntry {
    int id;           // control or command id, as carried in the low word of WM_COMMAND's wParam
    UINT code;        // notification code (BN_CLICKED, EN_CHANGE, LBN_DBLCLK, ...)
    void (*invoke)(CDialog& dialog);
};

struct MessageEntry {
    UINT message;
    LRESULT (*invoke)(CDialog& dialog, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* base;   // null only for the root (CDialog's own map)
    std::span<const MessageEntry> messages;
    std::span<const CommandEntry> commands;
};

namespace message_map_detail {
template <class Member> struct HandlerTraits;
template <class Class, class Result, class... Args> struct HandlerTraits<Result (Class::*)(Args...)> {
    using Owner = Class;
};
template <class Dialog> Dialog& As(CDialog& dialog) { return static_cast<Dialog&>(dialog); }
}   // namespace message_map_detail

template <auto Handler> constexpr CommandEntry MapCommand(int id, UINT code = BN_CLICKED)
{
    using Owner = typename message_map_detail::HandlerTraits<decltype(Handler)>::Owner;
    static_assert(std::is_invocable_r_v<void, decltype(Handler), Owner&>, "a command handler takes no arguments");
    return {id, code, [](CDialog& dialog) { (message_map_detail::As<Owner>(dialog).*Handler)(); }};
}

template <auto Handler> constexpr MessageEntry MapMessage(UINT message)
{
    using Owner = typename message_map_detail::HandlerTraits<decltype(Handler)>::Owner;
    return {message, [](CDialog& dialog, WPARAM wParam, LPARAM lParam) -> LRESULT {
                if constexpr (std::is_invocable_r_v<LRESULT, decltype(Handler), Owner&, WPARAM, LPARAM>) {
                    return (message_map_detail::As<Owner>(dialog).*Handler)(wParam, lParam);
                } else {
                    static_assert(std::is_invocable_v<decltype(Handler), Owner&>,
                                  "a message handler takes (WPARAM, LPARAM) or nothing");
                    (message_map_detail::As<Owner>(dialog).*Handler)();
                    return 0;
                }
            }};
}
