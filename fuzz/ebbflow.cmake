# The tide data reader: the check of a whole file and libtcd behind it.
# libtcd itself comes uninstrumented from Debian; its crashes, aborts and
# exits still end the run.
vorlan_fuzz_folders(ebbflow)
vorlan_add_fuzz_target(tcd_fuzz LIBRARIES ebbflow_core)
