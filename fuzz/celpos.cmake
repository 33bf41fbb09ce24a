# The sights file reader, and the round it makes of what it accepts
# (celpos_core on the almanac's names and the civil-time texts); seeded
# with the sample round and sights files as editors keep them
# (fuzz/seeds/sights_fuzz).
vorlan_fuzz_folders(platform/command_line platform/keyed_text timezones astro celpos)
vorlan_add_fuzz_target(sights_fuzz LIBRARIES celpos_core)
