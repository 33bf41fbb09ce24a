# The CRS text lookup: codes and names as a user types them into the
# window's datum lists or gives them to the command line, through PROJ's
# database; a CRS found is also moved to WGS 84 at the middle of its area,
# so that its axes, units and prime meridian are used. PROJ itself comes
# uninstrumented from Debian; its crashes still end the run. Seeded with
# codes, names and aliases (fuzz/seeds/crs_name_fuzz).
vorlan_fuzz_folders(platform/command_line datumshift)
vorlan_add_fuzz_target(crs_name_fuzz LIBRARIES datumshift_core)
