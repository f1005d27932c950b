// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/gameerror.h"

namespace tavola {

namespace {

struct ErrorTexts {
    const char *shown;
    const char *spoken; // the same in words, for a screen reader
};

ErrorTexts errorTexts(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow:
        return {"Errore di calcolo: un numero è diventato troppo grande (overflow).",
            "Errore di calcolo. Un numero è diventato troppo grande."};
    case ErrorKind::FloatingPoint:
        return {"Errore di calcolo con i numeri decimali: operazione non valida.",
            "Errore di calcolo con i numeri decimali. Operazione non valida."};
    case ErrorKind::NotANumber:
        return {"La risposta non è un numero. Scrivi solo cifre, con al massimo una virgola: "
                "per esempio 12,5.",
            "La risposta non è un numero. Scrivi solo cifre, con al massimo una virgola, per "
            "esempio 12,5."};
    }
    return {"Errore sconosciuto.", "Errore sconosciuto."};
}

} // namespace

GameError::GameError(ErrorKind kind)
    : m_kind(kind)
    , m_message(errorTexts(kind).shown)
    , m_spoken(errorTexts(kind).spoken)
{
}

} // namespace tavola
