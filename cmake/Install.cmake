# Where cmake --install puts Ondivar on a Linux desktop, and the Debian package cpack -G DEB makes
# of it. Included from the top CMakeLists once the programs and their libraries are defined.
include(GNUInstallDirs)

# libsigkit.so and the framework's two libraries serve these programs alone and carry no headers or
# versioned names for others to link, so they live in a folder of the program's own under the
# library directory rather than beside the system's libraries. A RUNPATH relative to each binary
# finds them there, wherever the tree is installed, with no ldconfig and no LD_LIBRARY_PATH.
set(ONDIVAR_INSTALL_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/ondivar")
file(RELATIVE_PATH ondivarBinToLib "/${CMAKE_INSTALL_BINDIR}" "/${ONDIVAR_INSTALL_PRIVATE_LIBDIR}")
set_target_properties(ondivar ondivar-fourier PROPERTIES INSTALL_RPATH "$ORIGIN/${ondivarBinToLib}")
set_target_properties(sigkit framework_ui PROPERTIES INSTALL_RPATH "$ORIGIN")

install(TARGETS ondivar ondivar-fourier RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(TARGETS sigkit framework_ui framework_core LIBRARY DESTINATION "${ONDIVAR_INSTALL_PRIVATE_LIBDIR}")

set(ondivarDesktop "${PROJECT_SOURCE_DIR}/app/desktop")
install(FILES "${ondivarDesktop}/ondivar.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${ondivarDesktop}/org.ondivar.ondivar.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# The folder is laid out as the icon theme is: <size>x<size>/apps/ondivar.png.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/app/resources/pictures/hicolor/"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor")

# The type of Ondivar's signal files and the analyser that opens them. The package runs no script of
# its own: the dpkg triggers of shared-mime-info (which Qt's core library depends on),
# desktop-file-utils and hicolor-icon-theme rebuild the MIME database, the table of types and
# entries, and the icon cache when files land in these folders. Without desktop-file-utils xdg-mime
# still finds the analyser, by reading the entries themselves.
set(analyserDesktop "${PROJECT_SOURCE_DIR}/analyser/desktop")
install(FILES "${analyserDesktop}/ondivar.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
install(FILES "${analyserDesktop}/ondivar-fourier.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${analyserDesktop}/org.ondivar.fourier.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
# Laid out as Ondivar's: <size>x<size>/apps/ondivar-fourier.png.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/analyser/resources/pictures/hicolor/"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondivar)
set(CPACK_PACKAGE_VENDOR "Ondivar")
set(CPACK_PACKAGE_CONTACT "Gli autori di Ondivar <autori@ondivar.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching simulator of analog modulation, with a Fourier analyser")
# Debian's descriptions are in English; the programs themselves speak Italian only.
set(CPACK_PACKAGE_DESCRIPTION [[
Ondivar shows amplitude modulation (A.M., D.S.B.-S.C., S.S.B.-U.S.B.,
S.S.B.-L.S.B., V.S.B.), frequency modulation and phase modulation of a
sinusoidal carrier by a sinusoidal tone on three oscilloscope panels, with
the spectrum of the modulated signal as a bar diagram and a printable table
of lines. The modulated signal is saved as a .sig file, which the desktop
opens with the Fourier analyser of the package, ondivar-fourier: it shows
the waveform, the harmonic amplitudes as bars and a table of frequency,
amplitude and phase, prints the table or exports it as CSV. Their windows
and texts are in Italian.]])
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ondivar.org/")
# dpkg-shlibdeps names the packages of the libraries the binaries link (Qt 6 widgets, GUI, core, SVG and
# print support, Xlib, the C++ run-time); what is loaded or run without being linked is named here:
# the fonts the framework maps the dialog faces onto (where a named family is missing, fontconfig
# may put a monospaced one in its place), Qt's Italian texts, and xdg-mime/xdg-open for the
# hand-off of saved signals.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation, qt6-translations-l10n, xdg-utils")
# On a session without a desktop environment xdg-mime asks mimetype for a file's type, and without
# it the file command, which knows nothing of the MIME database: a saved signal would be a stream of
# bytes that nothing opens. xdg-utils recommends it too; the hand-off to the analyser rests on it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libfile-mimeinfo-perl")
include(CPack)
