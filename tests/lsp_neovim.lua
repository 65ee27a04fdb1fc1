-- Run by lsp_neovim.sh: attaches `compila_scenario lsp` to the line file, then checks the
-- diagnostic of its mistake and a hover. Quits with status 0 when all holds, 1 otherwise.
local function fallisci(messaggio)
  io.stderr:write("lsp_neovim: " .. messaggio .. "\n")
  vim.cmd("cquit 1")
end

local function verifica(condizione, messaggio)
  if not condizione then fallisci(messaggio) end
  return condizione
end

local function prova()
  local file = os.getenv("COMPILA_FILE_LINEA")
  vim.cmd("edit " .. vim.fn.fnameescape(file))
  local buf = vim.api.nvim_get_current_buf()
  local id = vim.lsp.start_client({
    name = "compila_scenario",
    cmd = { os.getenv("COMPILA_PROGRAMMA"), "lsp" },
    root_dir = vim.fn.fnamemodify(file, ":h"),
  })
  if not verifica(id, "the server did not start") then return end
  vim.lsp.buf_attach_client(buf, id)

  local arrivate = vim.wait(10000, function() return #vim.diagnostic.get(buf) > 0 end, 10)
  if not verifica(arrivate, "no diagnostics within 10 s") then return end
  local d = vim.diagnostic.get(buf)[1]
  -- Line 9, at "1025": byte 36 of the line, after the two bytes of "à".
  verifica(d.lnum == 8, "line " .. d.lnum .. ", expected 8")
  verifica(d.col == 36, "column " .. d.col .. ", expected 36")
  verifica(d.code == 3, "code " .. tostring(d.code) .. ", expected 3")
  verifica(d.severity == vim.diagnostic.severity.ERROR, "not an error")

  local risposte = vim.lsp.buf_request_sync(buf, "textDocument/hover", {
    textDocument = { uri = vim.uri_from_bufnr(buf) },
    position = { line = 1, character = 25 },
  }, 5000)
  local risposta = risposte and risposte[id]
  if not verifica(risposta and risposta.result, "no hover") then return end
  local testo = risposta.result.contents.value
  verifica(testo:find("lunghezza percorso", 1, true), "hover without its keyword: " .. testo)

  vim.lsp.stop_client(id)
  vim.wait(5000, function() return vim.lsp.get_client_by_id(id) == nil end, 10)
  vim.cmd("qall!")
end

local riuscita, errore = pcall(prova)
if not riuscita then fallisci(tostring(errore)) end
