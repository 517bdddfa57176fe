# Where an installed game keeps its files. Included before the core, which
# looks for the installed data file relative to the program's own folder.
include(GNUInstallDirs)

set(PELU_PAKETNAME pelu-mit-tarro)
set(PELU_DATENORDNER ${CMAKE_INSTALL_DATADIR}/${PELU_PAKETNAME})
# The installed data file goes without the ".txt" of the working directory's
# Peludaten.txt: Debian's checks take any *.txt outside share/doc for
# documentation, and a program's data must not live there.
set(PELU_INSTALLIERTE_DATENDATEI Peludaten)
# Relative, so a tree staged with DESTDIR or moved to another prefix still
# finds its data.
file(RELATIVE_PATH PELU_DATENORDNER_RELATIV ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${PELU_PAKETNAME})
