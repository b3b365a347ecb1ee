# Links the font aliases from fontconfig's conf.d folder, the only place fontconfig reads them from. The prefix is
# the one of this install (which may differ from the configured one), so the folder is chosen here: a system-wide
# install under /usr or /usr/local links from /etc, any other from etc under its prefix.
if(NOT KEDRAVO_FONTCONFIG_CONFD)
  if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
    set(KEDRAVO_FONTCONFIG_CONFD /etc/fonts/conf.d)
  else()
    set(KEDRAVO_FONTCONFIG_CONFD ${CMAKE_INSTALL_PREFIX}/etc/fonts/conf.d)
  endif()
endif()
cmake_path(GET KEDRAVO_FONT_ALIASES FILENAME name)
set(link $ENV{DESTDIR}${KEDRAVO_FONTCONFIG_CONFD}/${name})
message(STATUS "Installing: ${link}")
file(MAKE_DIRECTORY $ENV{DESTDIR}${KEDRAVO_FONTCONFIG_CONFD})
file(CREATE_LINK ${CMAKE_INSTALL_PREFIX}/${KEDRAVO_FONT_ALIASES} ${link} SYMBOLIC)
