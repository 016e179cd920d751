// Every SQL text issued against the tube model table, kept together so the
// schema and the statements stay in step.
#pragma once

namespace velmorin::sql {

inline constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS triodes (id INTEGER PRIMARY KEY,name TEXT,comment TEXT,kp DOUBLE,mu DOUBLE,"
    "kvb DOUBLE,ex DOUBLE,kg1 DOUBLE,pmax DOUBLE,imax DOUBLE,vmax DOUBLE,kg2 DOUBLE,cgk DOUBLE, cga DOUBLE, "
    "cak DOUBLE,t35 INTEGER,pemax DOUBLE,vemax DOUBLE)";

// A model's parameters by name (tube creation).
inline constexpr const char* kSelectModelByName =
    "SELECT kp,mu,kvb,ex,kg1,pmax,imax,vmax,kg2,cgk,cga,cak,t35,pemax,vemax FROM triodes WHERE name=?";
// Model names, all or of one kind.
inline constexpr const char* kSelectAllNames = "SELECT name FROM triodes WHERE 1 ORDER BY name";
inline constexpr const char* kSelectNamesOfType = "SELECT name FROM triodes WHERE t35=? ORDER BY name";
// Restoring the built-in models.
inline constexpr const char* kSelectName = "SELECT name FROM triodes WHERE name=?";
inline constexpr const char* kInsertBuiltIn =
    "INSERT INTO triodes (name,comment,kp,mu,kvb,ex,kg1,pmax,imax,vmax,kg2,cgk,cga,cak,t35,pemax,vemax) "
    "VALUES "
    "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
// Converting a previous-version file.
inline constexpr const char* kSelectAllRows = "SELECT * FROM triodes WHERE 1";
inline constexpr const char* kInsertConverted =
    "INSERT INTO triodes (name,comment,kp,mu,kvb,ex,kg1,pmax,imax,vmax,kg2,cgk,cga,cak,t35) VALUES "
    "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
// The model editor: load, name test, insert, update, delete.
inline constexpr const char* kSelectRowByName = "SELECT * FROM triodes WHERE name=?";
inline constexpr const char* kSelectIdByName = "SELECT id FROM triodes WHERE name=?";
inline constexpr const char* kInsertModel =
    "INSERT INTO triodes (name,comment,kp,mu,kvb,ex,kg1,pmax,imax,vmax,kg2,cgk,cga,cak,pemax,vemax,t35) "
    "VALUES "
    "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
inline constexpr const char* kUpdateModel =
    "UPDATE triodes SET name=?,comment=?,kp=?,mu=?,kvb=?,ex=?,kg1=?,pmax=?,imax=?,vmax=?,kg2=?,cgk=?,cga=?,"
    "cak=?,pemax=?,vemax=? WHERE id=?";
inline constexpr const char* kDeleteModel = "DELETE FROM triodes WHERE id=?";

} // namespace velmorin::sql
