# The TZif reader and the zone computations on what it accepts; seeded with
# small files of the system's zoneinfo (fuzz/seeds/tzif_fuzz).
vorlan_fuzz_folders(timezones)
vorlan_add_fuzz_target(tzif_fuzz LIBRARIES timezones)
