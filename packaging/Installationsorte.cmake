# Where an installed game keeps its files. Included before the core, which
# looks for the installed data file relative to the program's own folder.
include(GNUInstallDirs)

set(PELU_PAKETNAME pelu-mit-tarro)
set(PELU_DATENORDNER ${CMAKE_INSTALL_DATADIR}/${PELU_PAKETNAME})
# Relative, so a tree staged with DESTDIR or moved to another prefix still
# finds its data.
file(RELATIVE_PATH PELU_DATENORDNER_RELATIV ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/${PELU_PAKETNAME})
