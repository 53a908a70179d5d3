// Sample tables for tests and the demo, as users' data looks: a mappable parcels table with a
// column of every editable type, a values table of owners with identifiers, and a read-only table
// of districts; Cyrillic names and values among them. All texts are Windows-1251.
#pragma once

#include <string>

#include "sim/mapinfo/mapinfo_host.h"
#include "text/cp1251.h"

namespace ornil::sim::data {

// Map objects: parcel n is the box (10n, 0)-(10n+8, 8); district n is (20n-20, -10)-(20n, 20).
//
// Parcels: Id (integer), Номер (character 20), Владелец (integer, an owner's Id), Этажность
// (small integer), Стоимость (decimal 12.2), Площадь (float), Дата_регистрации (date), Жилой
// (logical), Примечание (character 60). Five rows; row 3 has a blank date and an empty note, row 2
// a note with double quotes.
inline constexpr const char* kParcels = "Parcels";
// Владельцы: Id (integer), ФИО (character 60), Телефон (character 20); ids 1, 2, 3 and 5.
inline const char* const kOwners = "Владельцы"_cp;
// Районы, read-only and mappable: Код (small integer), Название (character 40), Население
// (integer); three rows.
inline const char* const kDistricts = "Районы"_cp;

mb::Table& AddParcels(MapInfoHost& host);
mb::Table& AddOwners(MapInfoHost& host);
mb::Table& AddDistricts(MapInfoHost& host);
// All three.
void AddSampleTables(MapInfoHost& host);

// A large mappable table for measurements: Id (integer, = row id), Name (character 30, "Name
// <id>"), Amount (float, id modulo 1000 plus a half), Day (date, counting days from 01.01.2000),
// Flag (logical, every third row), Code (small integer, id modulo 100).
mb::Table& AddLargeTable(MapInfoHost& host, const std::string& name, int rows);

}  // namespace ornil::sim::data
