#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace vorlane {

// The pieces of window titles by which the closing window recognises the
// companion programs still open. Slot 8 has no program and slot 0 (a help
// window of this software) is left empty too: the help opens in the desktop's
// browser, which must never be asked to quit. An empty slot matches nothing.
//
// Each companion program titles its main window "<subject> - Vorlane TS"; the
// fragment is the end of the subject's last word followed by " - Vorlane TS",
// so that a web page or a document about the same subject does not match.
constexpr int kCompanionTitleSlots = 20;

const std::array<QStringView, kCompanionTitleSlots> &CompanionTitleFragments();

// True when `title` contains the fragment of `slot` at any position,
// character for character (upper and lower case differ). Never for an empty
// slot, an empty title or a slot outside 0..19.
bool TitleMatchesSlot(QStringView title, int slot);

} // namespace vorlane
