# The installable Debian package (cmake --build build --target package):
# controle-os_<version>_amd64.deb.
#
# Installed layout: the program, its report definitions, the schema, the
# backup command and the server's set-up command (with the Firebird
# functions they share) together in /usr/lib/controle-os (the program finds
# relatorio/ and schema/ beside its executable), the three commands linked
# into /usr/bin, the menu entry, icon, AppStream metainfo, manual pages,
# changelog and copyright in /usr/share, and the server's daily backup
# timer (installed disabled) in /lib/systemd/system.

# Whoever builds a shop's package names themselves here
# (-DCONTROLE_OS_MANTENEDOR="Loja <ti@loja.com.br>").
set(CONTROLE_OS_MANTENEDOR "Controle OS <controle-os@example.org>" CACHE STRING
    "Maintainer of the Debian package: name <e-mail>")

set(CONTROLE_OS_PASTA lib/controle-os)

install(TARGETS controle-os RUNTIME DESTINATION ${CONTROLE_OS_PASTA})
install(PROGRAMS "${CMAKE_SOURCE_DIR}/scripts/controle-os-copia" "${CMAKE_SOURCE_DIR}/scripts/controle-os-servidor"
        DESTINATION ${CONTROLE_OS_PASTA})
install(FILES "${CMAKE_SOURCE_DIR}/scripts/funcoes-firebird.sh" DESTINATION ${CONTROLE_OS_PASTA})
install(DIRECTORY "${CMAKE_SOURCE_DIR}/relatorio" DESTINATION ${CONTROLE_OS_PASTA})
# the whole folder: the schema and any numbered migration scripts beside it
install(DIRECTORY "${CMAKE_SOURCE_DIR}/schema" DESTINATION ${CONTROLE_OS_PASTA} FILES_MATCHING PATTERN "*.sql")

set(_ligacoes "${CMAKE_BINARY_DIR}/pacote/bin")
file(MAKE_DIRECTORY "${_ligacoes}")
foreach(_comando controle-os controle-os-copia controle-os-servidor)
  file(CREATE_LINK "../${CONTROLE_OS_PASTA}/${_comando}" "${_ligacoes}/${_comando}" SYMBOLIC)
  install(FILES "${_ligacoes}/${_comando}" DESTINATION bin)
endforeach()

install(FILES "${CMAKE_CURRENT_LIST_DIR}/controle-os.desktop" DESTINATION share/applications)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/controle-os.svg" DESTINATION share/icons/hicolor/scalable/apps)
foreach(_tamanho 48 256)
  install(FILES "${CMAKE_CURRENT_LIST_DIR}/icone-${_tamanho}.png"
          DESTINATION share/icons/hicolor/${_tamanho}x${_tamanho}/apps RENAME controle-os.png)
endforeach()

# Documentation as Debian keeps it: gzip -9n (no name, no time stamp) so
# the same sources give the same package.
set(_doc "${CMAKE_BINARY_DIR}/pacote/doc")
file(MAKE_DIRECTORY "${_doc}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/changelog.in" "${_doc}/changelog" @ONLY)
find_program(CONTROLE_OS_GZIP gzip REQUIRED)
foreach(_arquivo changelog controle-os.1 controle-os-copia.1 controle-os-servidor.1)
  if(_arquivo STREQUAL changelog)
    set(_origem "${_doc}/changelog")
  else()
    set(_origem "${CMAKE_CURRENT_LIST_DIR}/${_arquivo}")
  endif()
  execute_process(COMMAND "${CONTROLE_OS_GZIP}" -9nc "${_origem}" OUTPUT_FILE "${_doc}/${_arquivo}.gz")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_origem}")
endforeach()
install(FILES "${_doc}/changelog.gz" "${CMAKE_CURRENT_LIST_DIR}/copyright" DESTINATION share/doc/controle-os)
# the user's guide, as written (Markdown and its pictures): "Ajuda" ›
# "Guia do usuário" opens it there
install(DIRECTORY "${CMAKE_SOURCE_DIR}/docs/guia" DESTINATION share/doc/controle-os)
install(FILES "${_doc}/controle-os.1.gz" "${_doc}/controle-os-copia.1.gz" "${_doc}/controle-os-servidor.1.gz"
        DESTINATION share/man/man1)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/controle-os.lintian-overrides" DESTINATION share/lintian/overrides RENAME controle-os)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/controle-os.metainfo.xml" DESTINATION share/metainfo
        RENAME br.com.zerlin.controle_os.metainfo.xml)

# The daily backup of a server database: a system timer, off until the
# administrator enables it; its folder and number of copies in a conffile.
install(FILES "${CMAKE_CURRENT_LIST_DIR}/controle-os-copia.service" "${CMAKE_CURRENT_LIST_DIR}/controle-os-copia.timer"
        DESTINATION /lib/systemd/system)
install(FILES "${CMAKE_CURRENT_LIST_DIR}/controle-os-copia.default" DESTINATION /etc/default RENAME controle-os-copia)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  "${CMAKE_CURRENT_LIST_DIR}/conffiles" "${CMAKE_CURRENT_LIST_DIR}/postinst"
  "${CMAKE_CURRENT_LIST_DIR}/prerm" "${CMAKE_CURRENT_LIST_DIR}/postrm")

# The libraries the program links come from dpkg-shlibdeps; listed here are
# what it loads or runs without linking: Qt's Firebird driver (a plugin),
# the Firebird client that driver loads, the embedded engine, and
# isql-fb/gbak (the first start makes the user's database with isql-fb; the
# backup command uses gbak), and Qt's own translations (its dialogs and
# standard buttons in Portuguese).
set(_qt ">= ${Qt6_VERSION_MAJOR}.${Qt6_VERSION_MINOR}")
set(CONTROLE_OS_DEPENDE
  "libqt6sql6-ibase (${_qt})"
  "libfbclient2 (>= 3.0)" "firebird3.0-server-core (>= 3.0)" "firebird3.0-utils (>= 3.0)"
  "qt6-translations-l10n")
list(JOIN CONTROLE_OS_DEPENDE ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME controle-os)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${CONTROLE_OS_MANTENEDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Controle de ordens de serviço de uma assistência técnica")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Cadastros de clientes, técnicos e equipamentos; entrada de equipamentos,
orçamentos e ordens de serviço; fechamento à vista ou a prazo; contas a
receber e relatórios. Usa um banco de dados Firebird embutido, criado na
pasta do usuário no primeiro uso, ou um servidor Firebird.

Inclui o comando controle-os-copia, que faz cópias de segurança conferidas
do banco de dados, e o controle-os-servidor, que prepara o PC do servidor
Firebird para várias estações.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
include(CPack)
