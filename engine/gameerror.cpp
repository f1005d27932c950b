// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/gameerror.h"

namespace tavola {

namespace {

std::string errorMessage(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow:
        return "Errore di calcolo: un numero è diventato troppo grande (overflow).";
    case ErrorKind::FloatingPoint:
        return "Errore di calcolo con i numeri decimali: operazione non valida.";
    case ErrorKind::NotANumber:
        return "La risposta non è un numero. Scrivi solo cifre, con al massimo una virgola: "
               "per esempio 12,5.";
    }
    return "Errore sconosciuto.";
}

} // namespace

GameError::GameError(ErrorKind kind)
    : m_kind(kind)
    , m_message(errorMessage(kind))
{
}

} // namespace tavola
