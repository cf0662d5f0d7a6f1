#The relay tests run the stand - ins : the display emulator as bin / hidapi.dll, the server simulator and
#the small process that is ended by name.
add_dependencies(test_${name} hidemu probexa sleeper)
