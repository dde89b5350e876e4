# The program's words in each shipped language, compiled into lifetally_translations as
# :/i18n/lifetally_<language>.qm. scripts/update-translations.sh brings the .ts files up
# to date with the sources; the update_translations target does the same for the shipped
# languages. English is the language of the sources: its file holds only the plural
# forms of the counted texts ("1 year", "2 years").
set(LT_LANGUAGES de fr es)

# lupdate reads every source of the program and of its outputs library.
set(LT_TR_SOURCES)
foreach(target lifetally_core lifetally_translations lifetally_look lifetally_ui
               lifetally_output_objects lifetally_app lifetally)
  get_target_property(dir ${target} SOURCE_DIR)
  get_target_property(files ${target} SOURCES)
  foreach(file ${files})
    if(file MATCHES "\\.(cpp|h)$")
      list(APPEND LT_TR_SOURCES ${dir}/${file})
    endif()
  endforeach()
endforeach()

set(LT_TS_FILES)
foreach(language ${LT_LANGUAGES})
  list(APPEND LT_TS_FILES ${PROJECT_SOURCE_DIR}/translations/lifetally_${language}.ts)
endforeach()
qt_add_translations(lifetally_translations
  TS_FILES ${LT_TS_FILES}
  SOURCES ${LT_TR_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS -no-obsolete -locations none -source-language en)

# English: lrelease alone, as lupdate -pluralonly keeps it.
set(LT_EN_QM ${CMAKE_CURRENT_BINARY_DIR}/lifetally_en.qm)
add_custom_command(OUTPUT ${LT_EN_QM}
  COMMAND Qt6::lrelease -silent ${PROJECT_SOURCE_DIR}/translations/lifetally_en.ts -qm ${LT_EN_QM}
  DEPENDS Qt6::lrelease ${PROJECT_SOURCE_DIR}/translations/lifetally_en.ts
  VERBATIM)
qt_add_resources(lifetally_translations lifetally_plurals
  PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${LT_EN_QM})
