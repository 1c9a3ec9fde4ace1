#pragma once

namespace vorlane {

// Result of opening a database or reading one of its tables.
enum class StoreStatus {
    Ok,
    NotRead,     // nothing opened or read yet
    Absent,      // neither NAME.sqlite nor NAME.mdb exists ("Base de données absente")
    Unreadable,  // the file exists but cannot be read: damaged, not a database, the
                 // Access reader failed or hit its limits ("Base de données illisible")
    NoSuchTable, // the database is readable but has no table of that name
};

// English name of a status, for diagnostics and test messages.
constexpr const char *StoreStatusName(StoreStatus status)
{
    switch (status) {
    case StoreStatus::Ok:
        return "Ok";
    case StoreStatus::NotRead:
        return "NotRead";
    case StoreStatus::Absent:
        return "Absent";
    case StoreStatus::Unreadable:
        return "Unreadable";
    case StoreStatus::NoSuchTable:
        return "NoSuchTable";
    }
    return "?";
}

} // namespace vorlane
